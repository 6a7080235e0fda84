#include <algorithm>

#include "data/IoError.h"
#include "data/Random.h"
#include "data/TextCodec.h"
#include "game/GameEngine.h"
#include "game/Levels.h"
#include "messages/MessageTexts.h"

// The life of a draw: its start on MOT !, the choice of its word, its end on FIN ! or when
// every word is found, and the end of a game.
namespace vorlane {
namespace {

// Candidates tried before the recent-draw condition is dropped, and again after.
constexpr int kDrawTries = 2000;
// Word levels 1 to 4 hold the words that every adult knows; 5 and 6 the rarer ones.
constexpr int kKnownWordLevels = 4;

std::string sortedLetters(std::string letters) {
  std::sort(letters.begin(), letters.end(), [](char a, char b) {
    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
  });
  return letters;
}

}  // namespace

void GameEngine::startDraw() {
  try {
    prepareDraw();
    if (!chooseDraw()) {
      abandonDraw();
      return;
    }
    presentDraw();
  } catch (const IoError&) {
    // The window reports the failure; the player may start a draw again. Only the choice
    // reads the word files, before any row is laid out.
    cancelDraw();
    throw;
  }
}

void GameEngine::prepareDraw() {
  setCursor(CursorShape::hourglass);
  if (state_.drawGain == 0) {
    port_.relayoutMainWindow();
  } else if (state_.drawGain > 0) {
    bankGain();
  }
  state_.foundCount = 0;
  state_.drawGain = 0;  // banked, or nothing to bank
  state_.defCursor = 0;
  state_.lastShownRow = 0;
  resetRows();
  playSound("gagne.wav");
  view_.keyb1.row.setText("");
  view_.keyb2.row.setText("");
  state_.drawActive = true;
  ++drawSerial_;
  words_.rearmWarning();
  seeder_(random_);
  state_.elapsed = 0;
  view_.clockCaption = "00:00";
  computeLevel();
  state_.drawWord = "xxxxxx";
  state_.rowCount = 0;
  port_.repaint();
}

void GameEngine::resetRows() {
  for (int k = 1; k <= kRowCount; ++k) {
    RowView& r = row(k);
    r.visible = false;
    r.definition = DefinitionBox{};
    r.panelColour = kWhite;
    r.panelBold = false;
    r.valueCaption = std::to_string(kStartValue);
    r.bookTag = 0;
    r.bookEnabled = true;
    r.bookPressed = false;
    r.book = BookPicture::liv;
    state_.rowWords[static_cast<std::size_t>(k - 1)].clear();
    r.input.setText("");
    r.inputColour = kBlack;
  }
}

bool GameEngine::chooseDraw() {
  for (bool checkRecent : {true, false}) {
    for (int attempt = 0; attempt < kDrawTries; ++attempt) {
      Candidate c = isAnagramDraw() ? tryAnagramDraw(checkRecent) : trySingleDraw(checkRecent);
      if (c == Candidate::accepted) return true;
      if (c == Candidate::none) return false;
    }
  }
  return false;
}

GameEngine::Candidate GameEngine::trySingleDraw(bool checkRecent) {
  std::string word =
      words_.drawSingleWord(state_.level, state_.topLevel, state_.juniorClass, random_);
  if (word.empty()) return Candidate::none;
  state_.drawWord = word;
  state_.rowCount = words_.loadAnagramSet(word, anagramSet_, state_.noProperNouns);
  state_.rowWords[0] = anagramSet_[0].text;
  if (state_.rowCount != 1) return Candidate::rejected;
  if (checkRecent && recent_.isRecentSingle(anagramSet_[0].recordNumber))
    return Candidate::rejected;
  if (sortedLetters(word) == word) return Candidate::rejected;
  return Candidate::accepted;
}

// Rows list the words of level 1..level, then those above, then those of level 0, in set
// order within each group; the starting word comes last (layOutRows). A set of 15 leaves
// no row for the starting word and is not drawn.
GameEngine::Candidate GameEngine::tryAnagramDraw(bool checkRecent) {
  std::string word = words_.drawAnagramWord(random_);
  if (word.empty()) return Candidate::none;
  state_.drawWord = word;
  state_.rowCount = words_.loadAnagramSet(word, anagramSet_, state_.noProperNouns);
  // "Sans noms propres" may leave out the drawn word itself: the keyboard would not hold
  // the starting word's letters.
  if (anagramSet_[0].text != word) return Candidate::rejected;
  if (state_.rowCount <= 1 || state_.rowCount >= static_cast<int>(kAnagramSetSize)) {
    return Candidate::rejected;
  }
  // A chain holding a record without letters is damaged: its rows would not match its count.
  const auto end = anagramSet_.begin() + state_.rowCount;
  if (std::any_of(anagramSet_.begin(), end, [](const auto& e) { return e.text.empty(); })) {
    return Candidate::rejected;
  }
  for (auto& w : state_.rowWords) w.clear();
  std::size_t filled = 0;
  auto place = [&](auto accepts) {
    for (std::size_t i = 1; i < static_cast<std::size_t>(state_.rowCount); ++i) {
      if (accepts(anagramSet_[i].levelOrKind)) state_.rowWords[filled++] = anagramSet_[i].text;
    }
  };
  const int level = state_.level;
  // The starting word is shown, not found: below the top level it is a word of the player's
  // level or one that every adult knows, never a rare one ("ictère" for "écrite").
  const int start = anagramSet_[0].levelOrKind;
  if (!state_.topLevel && (start < 1 || start > std::max(level, kKnownWordLevels))) {
    return Candidate::rejected;
  }
  place([&](int l) { return l >= 1 && l <= level; });
  if (filled == 0) return Candidate::rejected;
  if (checkRecent && recent_.isRecentAnagram(anagramSet_[0].recordNumber)) {
    return Candidate::rejected;
  }
  place([&](int l) { return l > level; });
  place([&](int l) { return l == 0; });
  return Candidate::accepted;
}

void GameEngine::abandonDraw() {
  cancelDraw();
  const int shownLevel = displayedLevel(state_.level, state_.topLevel, state_.juniorClass);
  port_.reportDataError(toWin1252("Les listes de mots ne contiennent aucun tirage « ") +
                        state_.drawKind + toWin1252(" » possible au niveau ") +
                        std::to_string(shownLevel) +
                        toWin1252(". Merci de réinstaller les fichiers de données."));
}

void GameEngine::cancelDraw() {
  state_.drawActive = false;
  state_.rowCount = 0;
  for (auto& w : state_.rowWords) w.clear();
  state_.enterAction = kStartDrawAction;
  view_.motVisible = true;
  view_.motEyeVisible = true;
  view_.finVisible = false;
  view_.finEyeVisible = false;
  view_.timerRunning = false;
  view_.solutionList.clear();
  view_.windowHeight = mainWindowHeight(state_.rowHeight, state_.rowCount);
  setCursor(CursorShape::normal);
}

void GameEngine::layOutRows() {
  int k = 1;
  for (; k <= kRowCount && !state_.rowWords[static_cast<std::size_t>(k - 1)].empty(); ++k) {
    row(k).visible = true;
    row(k).input.setText(std::string(kWordLength, ' '));
  }
  if (isAnagramDraw() && k <= kRowCount) {
    row(k).visible = true;
    row(k).input.setText(anagramSet_[0].text);
    state_.rowWords[static_cast<std::size_t>(k - 1)] = anagramSet_[0].text;
  }
}

void GameEngine::presentDraw() {
  layOutRows();
  if (!isAnagramDraw()) state_.drawWord = sortedLetters(state_.drawWord);
  view_.solutionList.clear();
  for (const auto& entry : anagramSet_) {
    if (!entry.text.empty()) view_.solutionList.push_back(entry.text);
  }
  state_.drawLetters = state_.drawWord;
  view_.keyb1.visible = true;
  view_.keyb2.visible = true;
  view_.keyb1.row.setText(state_.drawWord);
  view_.keyb1.row.setTileIndex(0);
  view_.windowHeight = mainWindowHeight(state_.rowHeight, state_.rowCount);
  port_.repositionMainWindow();
  if (isAnagramDraw()) showStartingWord();
  // A message or help text of the finished draw does not stay into the new one.
  state_.statusLocked = false;
  helpShown_ = "Form1";
  view_.statusText = formHelpText();
  view_.hintColumn = 1;
  view_.hintVisible = true;
  view_.definitionEntry.enabled = true;
  view_.enlargeEntry.enabled = true;
  view_.timerRunning = true;
  state_.hintCaption = toWin1252("Première lettre");
  view_.letterEntry = {state_.hintCaption, true};
  view_.clockVisible = false;
  setCursor(CursorShape::normal);
}

void GameEngine::showStartingWord() {
  const int k = state_.rowCount;
  RowView& r = row(k);
  fetchDefinition(k, true);
  r.bookTag = 1;
  r.valueCaption = "0";
  r.panelColour = kRed;
  r.bookEnabled = !singleLine(r.definition);
  r.book = r.bookEnabled ? BookPicture::livouv : BookPicture::livouv2;
  state_.lastShownRow = k;
}

void GameEngine::switchDrawKind() {
  state_.drawKind = isAnagramDraw() ? kSingleWordDraw : kAnagramDraw;
}

// A word found (checkWord decided): the recent-draw list on the first find, then the end
// of the draw or FIN ! offered.
void GameEngine::wordFound() {
  if (state_.foundCount == 1) {
    if (isAnagramDraw()) {
      for (int i = 0; i < state_.rowCount; ++i) {
        recent_.pushRecentAnagram(anagramSet_[static_cast<std::size_t>(i)].recordNumber);
      }
    } else {
      recent_.pushRecentSingle(anagramSet_[0].recordNumber);
    }
  }
  const int toFind = isAnagramDraw() ? state_.rowCount - 1 : state_.rowCount;
  // Every word found: the draw ends (endDraw disables "Définition" and the letter entry).
  if (state_.foundCount >= toFind) {
    state_.drawActive = false;
    switchDrawKind();
    return;
  }
  view_.finVisible = true;
  view_.finEyeVisible = true;
  state_.enterAction = kEndDrawAction;
  refreshFormHelp();
  giveLettersBack();
}

void GameEngine::ImageFINClick() {
  setCursor(CursorShape::hourglass);
  switchDrawKind();
  playSound("fin.wav");
  endDraw();
  state_.drawActive = false;
  // The help text endDraw wrote still saw the draw running.
  refreshFormHelp();
  setCursor(CursorShape::normal);
}

void GameEngine::endDraw() {
  for (int k = 1; k <= state_.rowCount; ++k) {
    showRowFromStore(k, true);
    RowView& r = row(k);
    if (r.inputColour != kRed) {
      r.input.setText(state_.rowWords[static_cast<std::size_t>(k - 1)]);
      r.valueCaption = "0";
    }
  }
  view_.timerRunning = false;
  view_.finVisible = false;
  view_.finEyeVisible = false;
  view_.motVisible = true;
  view_.motEyeVisible = true;
  view_.clockVisible = true;
  state_.enterAction = kStartDrawAction;
  view_.keyb1.visible = false;
  view_.keyb2.visible = false;
  view_.hintVisible = false;
  view_.definitionEntry.enabled = false;
  view_.letterEntry.enabled = false;
  view_.focus = view_.keyb1.visible ? Focus::upperKeyboard : Focus::firstInputBox;
  // Every definition is on show: the enlarging shortcut starts from the first row when no
  // definition was shown during the draw (a single-word draw has no starting word).
  state_.lastShownRow = std::max(state_.lastShownRow, 1);
  refreshFormHelp();
}

void GameEngine::endGame(bool quiet) {
  state_.score += state_.drawGain;
  showScore();
  state_.drawGain = 0;
  if (!quiet) playSound("inter.wav");
  endDraw();
  port_.repaint();
  if (!quiet) port_.waitMilliseconds(500);
  if (!state_.trainingMode) {
    if (port_.insertScore(state_.score) > 0) {
      port_.showEndOfGame(kRankedSelector, state_.score);
      port_.showScoresModal();
    } else if (!quiet) {
      port_.showEndOfGame("", state_.score);
    }
  } else if (port_.rankOf(state_.score) > 0) {
    port_.showEndOfGame(kRankedTrainingSelector, state_.score);
  }
  state_.score = 0;
  state_.reserve = kStartReserve;
  showReserve();
  showScore();
  state_.drawActive = false;
  state_.drawKind = kAnagramDraw;
  state_.topLevel = false;
}

}  // namespace vorlane
