#include "game/GameEngine.h"

#include <algorithm>

#include "data/Random.h"
#include "data/TextCodec.h"
#include "game/MainWindowLayout.h"

namespace vorlane {

int GameEngine::PortLineMeasure::lineCount(int row, const std::string& text) const {
  return port_.definitionLineCount(row, text);
}

GameEngine::GameEngine(const DataFolder& folder, const WordLists& words, RecentDraws& recent,
                       Random& random, GamePort& port)
    : words_(words),
      recent_(recent),
      random_(random),
      port_(port),
      measure_(port),
      definitions_(folder, words, measure_),
      forms_(folder),
      seeder_([](Random& r) { r.seedFromClock(); }) {
  for (int k = 1; k <= kRowCount; ++k)
    boxTops_[static_cast<std::size_t>(k - 1)] = 146 + 20 * (k - 1);
  updateTitle();
}

DefinitionBox& GameEngine::box(int k) {
  return k == kEnlargedRow ? view_.memo15.definition : row(k).definition;
}

void GameEngine::setDrawSeeder(std::function<void(Random&)> seeder) { seeder_ = std::move(seeder); }

void GameEngine::setTrainingMode(bool on) {
  state_.trainingMode = on;
  updateTitle();
}

void GameEngine::setJuniorClass(bool on) {
  state_.juniorClass = on;
  updateTitle();
}

void GameEngine::setAlwaysCentred(bool on) { state_.alwaysCentred = on; }
void GameEngine::setNoProperNouns(bool on) { state_.noProperNouns = on; }
void GameEngine::setSoundAvailable(bool on) { state_.soundAvailable = on; }
void GameEngine::setDataFolderWritable(bool on) { state_.dataFolderWritable = on; }

void GameEngine::setLayout(const MainWindowLayout& layout) {
  state_.rowHeight = layout.rowHeight;
  state_.lineHeight = layout.lineHeight;
  view_.rowTileSize = layout.tileSize;
  std::ranges::transform(layout.rows, boxTops_.begin(),
                         [](const RowGeometry& row) { return row.definitionBox.top; });
  view_.windowHeight = mainWindowHeight(state_.rowHeight, state_.rowCount);
  // A seen definition re-flows for the new width: its line count may change.
  for (int k = 1; k <= kRowCount; ++k) {
    RowView& r = row(k);
    if (r.bookTag == 0) continue;
    r.definition.tag = measuredTag(k, r.definition);
    r.bookEnabled = r.definition.tag != state_.lineHeight;
    r.book = r.bookEnabled ? BookPicture::livouv : BookPicture::livouv2;
  }
}

void GameEngine::playSound(std::string_view name) {
  if (state_.soundAvailable) port_.playSound(name);
}

void GameEngine::setCursor(CursorShape cursor) {
  view_.cursor = cursor;
  port_.setCursor(cursor);
}

void GameEngine::updateTitle() {
  std::string title = state_.trainingMode ? toWin1252("Vorlane - Entraînement") : "Vorlane";
  if (state_.juniorClass) title += " - Junior";
  view_.title = title + " - Version " + "1.3";
}

void GameEngine::Button1Click() {
  if (view_.memo15.visible) montredef1Click();
  if (state_.enterAction == kStartDrawAction) {
    view_.modeBoxVisible = false;
    view_.motVisible = false;
    view_.motEyeVisible = false;
    state_.enterAction = kNoAction;
    startDraw();
    view_.focus = Focus::upperKeyboard;
    if (state_.trainingMode && state_.drawActive) {
      view_.finVisible = true;
      view_.finEyeVisible = true;
      state_.enterAction = kEndDrawAction;
      refreshFormHelp();
    }
  } else if (state_.enterAction == kEndDrawAction) {
    ImageFINClick();
  }
}

void GameEngine::Memo1MouseDown() {
  view_.focus = view_.keyb1.visible ? Focus::upperKeyboard : Focus::firstInputBox;
}

void GameEngine::showStatus(const std::string& text) {
  state_.statusLocked = !text.empty();
  helpShown_.clear();
  view_.statusText = text;
}

std::string GameEngine::formHelpText() const {
  const std::string gain = std::to_string(state_.drawGain);
  if (!state_.drawActive) {
    if (!row(1).visible) {
      return toWin1252(
          " Clic sur MOT ! ou touche Entrée pour commencer. Bouton droit de la "
          "souris : accès au menu.");
    }
    return toWin1252(" MOT ! ou Entrée pour continuer. Gain mot courant : ") + gain + " points.";
  }
  if (!view_.finVisible) return toWin1252(" Bouton droit de la souris pour accéder au menu.");
  return toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : ") + gain + " points.";
}

void GameEngine::showHelpText(std::string_view name) {
  if (state_.statusLocked) return;
  std::string text;
  if (name == "Form1") {
    text = formHelpText();
  } else if (name == "keyb1" || name == "keyb2") {
    text = " Cliquez sur la lettre ou tapez-la au clavier. (+ Touche efface).";
  } else if (name == "image1") {
    text = toWin1252(" Clic ou Ctrl+D = définition, Ctrl+W = agrandir la définition.");
  } else if (name == "ImageTETE") {
    text = " Clic ou  Ctrl+L = obtenir une lettre.";
  } else if (name == "compet") {
    text = " 60 s capitalisables pour trouver au moins une anagramme par tirage.";
  } else if (name == "entrain") {
    text = toWin1252(" Réserve temps indicative. FIN ! toujours actif pour un nouveau tirage.");
  } else if (name == "junior") {
    text = toWin1252(" Au moins un mot courant parmi les anagrammes à trouver ; 3 niveaux de jeu.");
  } else if (name == "senior") {
    text = toWin1252(" 6 niveaux de jeu. Lettre demandée coûte 2 x plus cher.");
  } else {
    return;
  }
  helpShown_ = name;
  if (view_.statusText == text) return;
  view_.statusText = text;
  port_.repaint();
}

void GameEngine::refreshFormHelp() {
  if (state_.statusLocked || helpShown_ != "Form1") return;
  view_.statusText = formHelpText();
}

}  // namespace vorlane
