#include "messages/MessageTexts.h"

#include <gtest/gtest.h>

#include "data/TextCodec.h"

namespace vorlane {
namespace {

std::string utf8(const std::string& win1252) { return win1252ToUtf8(win1252); }

struct ScoreCase {
  int score;
  const char* line;
};

class PlainEndOfGameTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(PlainEndOfGameTest, SingularOnlyBelowTwo) {
  const auto message = endOfGameMessage("", GetParam().score);
  ASSERT_TRUE(message);
  EXPECT_EQ(utf8(message->lines[0]), "Partie terminée.");
  EXPECT_EQ(message->lines[1], GetParam().line);
  EXPECT_EQ(message->lines[2], "Cliquez sur MOT ! pour une autre partie.");
  EXPECT_FALSE(message->cancelShown);
}

INSTANTIATE_TEST_SUITE_P(Scores, PlainEndOfGameTest,
                         ::testing::Values(ScoreCase{0, "Votre score est de 0 point."},
                                           ScoreCase{1, "Votre score est de 1 point."},
                                           ScoreCase{2, "Votre score est de 2 points."},
                                           ScoreCase{1234, "Votre score est de 1234 points."}));

TEST(EndOfGameTest, TopSixMessagesAlwaysSayPoints) {
  const auto ranked = endOfGameMessage("dans les six", 1);
  ASSERT_TRUE(ranked);
  EXPECT_EQ(utf8(ranked->lines[0]), "Félicitations ! Vous faites partie des six meilleurs.");
  EXPECT_EQ(ranked->lines[1], "Votre score est de 1 points.");
  EXPECT_EQ(ranked->lines[2], "Cliquez sur OK puis tapez votre nom.");
  const auto training = endOfGameMessage("dans les six training", 1);
  ASSERT_TRUE(training);
  EXPECT_EQ(training->lines[0], ranked->lines[0]);
  EXPECT_EQ(training->lines[1], "Votre score est de 1 points.");
  EXPECT_EQ(training->lines[2], "Jouez en mode normal pour enregistrer le score.");
}

TEST(EndOfGameTest, UnknownSelectorShowsNothing) {
  EXPECT_FALSE(endOfGameMessage("dans les 6", 10));
  EXPECT_FALSE(endOfGameMessage(" ", 10));
}

TEST(MessageTextsTest, LetterCostAsksWithCancel) {
  const MessageLines message = letterCostMessage(2, "132");
  EXPECT_EQ(message.lines[0], "Niveau 2.");
  EXPECT_EQ(utf8(message.lines[1]), "Vous avez demandé une lettre.");
  EXPECT_EQ(utf8(message.lines[2]), "Coût : 132 s. de réserve temps.");
  EXPECT_TRUE(message.cancelShown);
}

TEST(MessageTextsTest, LevelUpTakesTheCallersTexts) {
  const MessageLines message = levelUpMessage("1666", "6");
  EXPECT_EQ(utf8(message.lines[0]), "Félicitations !");
  EXPECT_EQ(utf8(message.lines[1]), "Vous avez dépassé 1666 points.");
  EXPECT_EQ(message.lines[2], "Vous passez au niveau 6.");
  EXPECT_FALSE(message.cancelShown);
}

TEST(MessageTextsTest, QuitAsksOnTheMiddleLine) {
  const MessageLines message = quitMessage();
  EXPECT_EQ(message.lines[0], "");
  EXPECT_EQ(utf8(message.lines[1]), "Voulez-vous réellement quitter Vorlane ?");
  EXPECT_EQ(message.lines[2], "");
  EXPECT_TRUE(message.cancelShown);
  EXPECT_FALSE(message.checkBoxesShown);
}

TEST(MessageTextsTest, WelcomeShowsTheCheckBoxesWithoutCancel) {
  const MessageLines message = welcomeMessage();
  EXPECT_EQ(message.lines, (std::array<std::string, 3>{"Bienvenue et bon jeu !", "", ""}));
  EXPECT_FALSE(message.cancelShown);
  EXPECT_TRUE(message.checkBoxesShown);
}

}  // namespace
}  // namespace vorlane
