#include "messages/MessageTexts.h"

#include "data/TextCodec.h"

namespace vorlane {
namespace {

std::string scoreLine(int score, bool singularBelowTwo) {
  const char* unit = singularBelowTwo && score <= 1 ? " point." : " points.";
  return "Votre score est de " + std::to_string(score) + unit;
}

std::string congratulations() {
  return toWin1252("Félicitations ! Vous faites partie des six meilleurs.");
}

}  // namespace

std::optional<MessageLines> endOfGameMessage(std::string_view selector, int score) {
  if (selector == kRankedSelector)
    return MessageLines{
        {congratulations(), scoreLine(score, false), "Cliquez sur OK puis tapez votre nom."}};
  if (selector == kRankedTrainingSelector)
    return MessageLines{{congratulations(), scoreLine(score, false),
                         "Jouez en mode normal pour enregistrer le score."}};
  if (selector.empty())
    return MessageLines{{toWin1252("Partie terminée."), scoreLine(score, true),
                         "Cliquez sur MOT ! pour une autre partie."}};
  return std::nullopt;
}

MessageLines letterCostMessage(int level, std::string_view cost) {
  return {{"Niveau " + std::to_string(level) + ".", toWin1252("Vous avez demandé une lettre."),
           toWin1252("Coût : ") + std::string(cost) + toWin1252(" s. de réserve temps.")},
          true};
}

MessageLines levelUpMessage(std::string_view points, std::string_view newLevel) {
  return {{toWin1252("Félicitations !"),
           toWin1252("Vous avez dépassé ") + std::string(points) + " points.",
           "Vous passez au niveau " + std::string(newLevel) + "."}};
}

MessageLines quitMessage() {
  return {{"", toWin1252("Voulez-vous réellement quitter Vorlane ?"), ""}, true};
}

MessageLines welcomeMessage() { return {{"Bienvenue et bon jeu !", "", ""}, false, true}; }

}  // namespace vorlane
