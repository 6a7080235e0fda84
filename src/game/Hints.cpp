#include <algorithm>
#include <array>

#include "data/IoError.h"
#include "data/TextCodec.h"
#include "game/GameEngine.h"
#include "game/Levels.h"

// Letter hints and definitions: the price of a letter, its effect on the values, the
// definition of a row, and the enlarged definition `Memo15`.
namespace vorlane {
namespace {

// The reserve a letter never takes the player below, in seconds.
constexpr int kLetterFloor = 60;
// Lost by every unfound word at each letter from the third on, in Training mode.
constexpr int kTrainingLetterCost = 12;

// Caption of the letter entry after letter c (1..5) has been given.
std::string nextOrdinal(int c) {
  static const std::array<const char*, 5> ordinals = {"Deuxième lettre", "Troisième lettre",
                                                      "Quatrième lettre", "Cinquième lettre",
                                                      "Sixième lettre"};
  return toWin1252(ordinals[static_cast<std::size_t>(c - 1)]);
}

// The lines of a store: "#" starts each one, the first too.
std::vector<std::string> storedLines(const std::string& store) {
  std::vector<std::string> lines;
  std::size_t start = 1;
  while (true) {
    std::size_t end = store.find('#', start);
    lines.push_back(store.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace

void GameEngine::ImageTETEClick() {
  if (view_.hintVisible) askLetter();
}

void GameEngine::lettreClick() {
  if (view_.letterEntry.enabled) askLetter();
}

void GameEngine::askLetter() {
  const int fullPrice = (state_.juniorClass ? 33 : 66) * state_.level;
  int price = fullPrice;
  if (state_.reserve - price < kLetterFloor) price = state_.reserve - kLetterFloor;
  price = std::max(price, 0);
  const int serial = drawSerial_;
  int answer = kMessageCancel;
  if (!state_.trainingMode && price > 0) {
    answer = askLetterCost(price);
    if (gameEndDue_) {
      gameEndDue_ = false;
      gameRanOut();
      return;
    }
  }
  if (state_.trainingMode) revealLetter();
  playSound("btn.wav");
  if (state_.trainingMode) return;
  if (price == 0) {
    revealLetter();
    view_.hintVisible = false;
    view_.letterEntry.enabled = false;
    return;
  }
  // Ticks run while the price is asked: the draw, or the game, may have ended meanwhile,
  // or the reserve fallen below 60 and the free letter, the draw's last, been given.
  if (answer != kMessageOk || serial != drawSerial_ || !state_.drawActive || !view_.hintVisible)
    return;
  payLetter(price, fullPrice);
}

int GameEngine::askLetterCost(int price) {
  letterCostOpen_ = true;
  // The price follows `level` (a Junior's top level pays as level 2), but the message
  // names the level the player was told of: 3, not 2, at a Junior's top level.
  const int answer = port_.showLetterCost(
      std::to_string(price),
      displayedLevel(state_.level, state_.topLevel, state_.juniorClass));
  letterCostOpen_ = false;
  return answer;
}

// The reserve kept draining while the price was asked, so what is paid is never more than
// what lies above 60 now.
void GameEngine::payLetter(int price, int fullPrice) {
  revealLetter();
  if (price < fullPrice) {
    view_.hintVisible = false;
    view_.letterEntry.enabled = false;
  }
  if (state_.reserve > kLetterFloor) {
    state_.reserve -= std::min(price, state_.reserve - kLetterFloor);
  }
  showReserve();
}

void GameEngine::revealLetter() {
  const int c = view_.hintColumn;
  if (c == kWordLength) view_.hintVisible = false;
  const auto at = static_cast<std::size_t>(c - 1);
  for (int k = 1; k <= state_.rowCount; ++k) {
    RowView& r = row(k);
    const std::string& word = state_.rowWords[static_cast<std::size_t>(k - 1)];
    std::string text = r.input.text();
    if (at < text.size() && at < word.size()) {
      text[at] = word[at];
      r.input.setText(text);
    }
    if (r.panelColour == kRed) continue;
    if (c == 2) {
      setRowValue(k, state_.reducedValue);
    } else if (state_.trainingMode && c > 2) {
      setRowValue(k, std::max(rowValue(k) - kTrainingLetterCost, 0));
    }
  }
  port_.repaint();
  view_.hintColumn = c + 1;
  if (c < kWordLength) {
    state_.hintCaption = nextOrdinal(c);
    view_.letterEntry.caption = state_.hintCaption;
  } else {
    view_.letterEntry.enabled = false;
  }
}

void GameEngine::askDefinition(int k) {
  if (k < 1 || k > kRowCount || !row(k).visible) return;
  RowView& r = row(k);
  if (r.bookTag == 0) {
    setCursor(CursorShape::hourglass);
    if (r.panelColour != kRed) setRowValue(k, std::min(rowValue(k), state_.reducedValue));
    r.book = BookPicture::livouv;
    fetchDefinition(k, false);
    port_.repaint();
    r.bookTag = 1;
    if (singleLine(r.definition)) {
      r.book = BookPicture::livouv2;
      r.bookEnabled = false;
    }
    playSound("btn.wav");
    setCursor(CursorShape::normal);
    port_.repaint();
  }
  state_.lastShownRow = k;
}

void GameEngine::fetchDefinition(int k, bool longForm) {
  const int wordRow = k == kEnlargedRow ? state_.enlargedRow : k;
  if (wordRow < 1 || wordRow > kRowCount) return;
  try {
    definitions_.lookUpDefinitions(state_.rowWords[static_cast<std::size_t>(wordRow - 1)], k,
                                   longForm, box(k), state_.lineHeight);
  } catch (const IoError& error) {
    // A damaged definition is reported and the game goes on without it.
    port_.reportIoError(error);
  }
}

int GameEngine::measuredLines(int k, const DefinitionBox& definitionBox) {
  int lines = 0;
  for (const std::string& line : definitionBox.lines) lines += port_.definitionLineCount(k, line);
  return lines;
}

int GameEngine::measuredTag(int k, const DefinitionBox& definitionBox) {
  return std::max(measuredLines(k, definitionBox), 1) * state_.lineHeight;
}

bool GameEngine::singleLine(const DefinitionBox& definitionBox) const {
  return definitionBox.tag <= state_.lineHeight;
}

// Row k (1..15) from its plain (`fullTexts`) or masked store; an empty store fetches the
// plain definition.
void GameEngine::showRowFromStore(int k, bool plain) {
  DefinitionBox& b = box(k);
  b.lines.clear();
  const std::string& store = plain ? b.fullTexts : b.maskedTexts;
  if (store.empty()) {
    fetchDefinition(k, true);
  } else {
    b.lines = storedLines(store);
    b.tag = measuredTag(k, b);
  }
  if (k != kEnlargedRow) {
    RowView& r = row(k);
    r.bookTag = 1;
    r.bookEnabled = !singleLine(b);
    r.book = r.bookEnabled ? BookPicture::livouv : BookPicture::livouv2;
  }
  port_.repaint();
}

// A disabled book button (one-line definition) takes no press.
void GameEngine::SpeedButtonMouseDown(int k) {
  if (k >= 1 && k <= kRowCount && row(k).visible && row(k).bookEnabled) pressBook(k);
}

void GameEngine::SpeedButtonMouseUp(int k) {
  if (k < 1 || k > kRowCount || !row(k).visible || !row(k).bookEnabled) return;
  askDefinition(k);
  row(k).bookPressed = false;
  releaseBook(k);
}

void GameEngine::MemoMouseUp(int k) { releaseBook(k); }

void GameEngine::pressBook(int k) {
  if (k < 1 || k > kRowCount) return;
  RowView& r = row(k);
  if (r.bookEnabled) {
    r.bookPressed = true;
    if (view_.memo15.visible) closeEnlarged();
    port_.repaint();
  }
  if (r.bookTag == 0) return;
  state_.enlargedRow = k;
  if (!singleLine(r.definition)) showEnlarged(k);
}

// `Memo15` over row k's box, masked while the word is still to find, moved up when it
// would pass the bottom of the last row's box. Row k is the enlarged row already.
void GameEngine::showEnlarged(int k) {
  const RowView& r = row(k);
  EnlargedView& enlarged = view_.memo15;
  enlarged.definition.maskedTexts = r.definition.maskedTexts;
  enlarged.definition.fullTexts = r.definition.fullTexts;
  const std::string& letters = r.input.text();
  const bool stillHidden =
      letters.size() >= static_cast<std::size_t>(kWordLength) && letters[kWordLength - 1] == ' ';
  showRowFromStore(kEnlargedRow, !stillHidden);
  enlarged.height = measuredLines(kEnlargedRow, enlarged.definition) * state_.lineHeight + 2;
  int top = boxTops_[static_cast<std::size_t>(k - 1)];
  const int lastRow = std::clamp(state_.rowCount, 1, kRowCount);
  const int lastBottom = boxTops_[static_cast<std::size_t>(lastRow - 1)] + state_.lineHeight;
  if (top + enlarged.height > lastBottom) top = lastBottom + 2 - enlarged.height;
  enlarged.top = top;
  enlarged.visible = true;
}

void GameEngine::releaseBook(int k) {
  if (k < 1 || k > kRowCount) return;
  RowView& r = row(k);
  if (!singleLine(r.definition)) view_.memo15.visible = false;
  ++state_.lastShownRow;
}

void GameEngine::closeEnlarged() {
  view_.memo15.visible = false;
  const int k = state_.enlargedRow;
  if (k < 1 || k > kRowCount) return;
  row(k).bookPressed = false;
  releaseBook(k);
}

void GameEngine::montredef1Click() {
  if (view_.memo15.visible) {
    closeEnlarged();
    return;
  }
  if (state_.lastShownRow < 1) return;
  if (state_.lastShownRow > state_.rowCount) state_.lastShownRow = 1;
  auto openable = [&](int k) {
    return k <= state_.rowCount && row(k).bookTag != 0 && row(k).bookEnabled;
  };
  if (openable(state_.lastShownRow)) {
    pressBook(state_.lastShownRow);
    return;
  }
  for (int i = 0; i < state_.rowCount; ++i) {
    if (++state_.lastShownRow > state_.rowCount) state_.lastShownRow = 1;
    if (openable(state_.lastShownRow)) {
      pressBook(state_.lastShownRow);
      return;
    }
  }
}

// Ctrl+D goes on to the next row whose definition is not yet shown (a found word's, the
// starting word's and one asked for already are): a press never lands on a row where it
// would show nothing new. Once every row has been seen it goes through them in turn.
void GameEngine::def1Click() {
  if (!state_.drawActive || state_.rowCount < 1) return;
  const auto next = [this](int k) { return k >= state_.rowCount ? 1 : k + 1; };
  const auto unseen = [this](int k) { return row(k).visible && row(k).bookTag == 0; };
  int k = next(state_.defCursor);
  for (int i = 1; i < state_.rowCount && !unseen(k); ++i) k = next(k);
  state_.defCursor = unseen(k) ? k : next(state_.defCursor);
  askDefinition(state_.defCursor);
}

bool GameEngine::FormKeyDown(bool altOnly) {
  if (!altOnly && !view_.memo15.visible) return false;
  montredef1Click();
  return true;
}

void GameEngine::FormClick() {
  if (view_.memo15.visible) montredef1Click();
}

}  // namespace vorlane
