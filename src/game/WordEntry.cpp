#include <algorithm>

#include "data/TextCodec.h"
#include "game/GameEngine.h"

// Word entry: letters moved between the two keyboards by mouse and keys, and the check of
// a six-letter word against the rows of the draw.
namespace vorlane {
namespace {

constexpr char kBackspace = 8;

// Tile 1..6 under a pointer at (x, y) of a keyboard, or 0: the first i with
// 0 ≤ x < i × tileSize, within the keyboard's height.
int tileUnderPointer(int x, int y, int keyboardHeight, int tileSize) {
  if (y < 0 || y >= keyboardHeight) return 0;
  for (int i = 1; i <= kWordLength; ++i) {
    if (x >= 0 && x < i * tileSize) return i;
  }
  return 0;
}

bool isTypedLetter(char key) {
  return key == ' ' || (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

// `letters` rebuilt in the order of `drawLetters`: each place of the draw takes one of the
// letters still to place, when one is the same.
std::string inDrawOrder(const std::string& letters, const std::string& drawLetters) {
  std::string pending = letters;
  std::string result;
  for (const char d : drawLetters) {
    const std::size_t at = pending.find(d);
    if (at == std::string::npos) continue;
    pending.erase(at, 1);
    result += d;
  }
  return result;
}

}  // namespace

void GameEngine::moveLetter(TileRow& from, TileRow& to, int position, bool reorder) {
  const std::string& source = from.text();
  if (position < 1 || position > static_cast<int>(source.size())) return;
  std::string target = to.text() + source[static_cast<std::size_t>(position - 1)];
  if (reorder) target = inDrawOrder(target, state_.drawLetters);
  std::string rest = source;
  rest.erase(static_cast<std::size_t>(position - 1), 1);
  to.setText(target);
  // The upper keyboard shows its first tile as current once it holds letters again, and
  // Space moves on from the tile shown.
  if (reorder) to.setTileIndex(std::max(to.tileIndex(), 0));
  from.setText(rest);
  port_.repaint();
}

bool GameEngine::typeKey(TileRow& from, TileRow& to, char key, bool reorder) {
  if (key == kBackspace) {
    if (from.text().empty()) return false;
    // A row that grew from empty keeps −1 as its current tile: the last letter is meant.
    const int at =
        from.tileIndex() < 0 ? static_cast<int>(from.text().size()) - 1 : from.tileIndex();
    key = from.text()[static_cast<std::size_t>(at)];
  } else if (!isTypedLetter(key)) {
    return false;
  }
  // The key is now a blank, a capital or a small letter; a small one is typed as its capital.
  if (key >= 'a') key = static_cast<char>(key - 'a' + 'A');
  bool moved = false;
  const std::size_t at = from.text().find(key);
  if (at != std::string::npos) {
    from.setTileIndex(static_cast<int>(at));
    moveLetter(from, to, static_cast<int>(at) + 1, reorder);
    playSound("btn.wav");
    moved = true;
  } else {
    playSound("ding.wav");
  }
  if (key == ' ') {
    int next = from.tileIndex() + 1;
    if (next > static_cast<int>(from.text().size()) - 1) next = 0;
    from.setTileIndex(next);
  }
  return moved;
}

void GameEngine::giveLettersBack() {
  while (!view_.keyb2.row.text().empty()) moveLetter(view_.keyb2.row, view_.keyb1.row, 1, true);
}

void GameEngine::keyb1MouseMove(int x, int y, int keyboardHeight, bool prefsVisible) {
  showHelpText("keyb1");
  const int tile = tileUnderPointer(x, y, keyboardHeight, view_.keyboardTileSize);
  if (tile == 0) return;
  view_.keyb1.row.setTileIndex(tile - 1);
  if (!prefsVisible) view_.focus = Focus::upperKeyboard;
}

void GameEngine::keyb1MouseUp(int x, int y, int keyboardHeight) {
  if (!view_.keyb1.visible) return;
  view_.focus = Focus::upperKeyboard;
  const int tile = tileUnderPointer(x, y, keyboardHeight, view_.keyboardTileSize);
  if (tile == 0) return;
  view_.keyb1.row.setTileIndex(tile - 1);
  const std::size_t before = view_.keyb2.row.text().size();
  moveLetter(view_.keyb1.row, view_.keyb2.row, tile, false);
  if (view_.keyb2.row.text().size() != before) checkIfComplete();
}

void GameEngine::keyb2MouseMove(int x, int y, int keyboardHeight) {
  showHelpText("keyb2");
  if (!state_.drawActive) return;
  const int tile = tileUnderPointer(x, y, keyboardHeight, view_.keyboardTileSize);
  if (tile != 0) view_.keyb2.row.setTileIndex(tile - 1);
}

void GameEngine::keyb2MouseUp(int x, int y, int keyboardHeight) {
  if (!view_.keyb2.visible) return;
  // The press selected the tile under it, if any, and took the focus.
  TileRow& lower = view_.keyb2.row;
  const int tile = tileUnderPointer(x, y, keyboardHeight, view_.keyboardTileSize);
  if (tile != 0 && tile <= static_cast<int>(lower.text().size())) lower.setTileIndex(tile - 1);
  if (!state_.drawActive) return;
  state_.statusLocked = false;
  if (lower.tileIndex() >= 0) moveLetter(lower, view_.keyb1.row, lower.tileIndex() + 1, true);
  // The letters are typed on the upper keyboard, as after a Backspace: the click that gave
  // a letter back does not keep the keys on the lower one.
  view_.focus = Focus::upperKeyboard;
}

void GameEngine::keyb1KeyPress(char key) {
  if (!view_.keyb1.visible) return;
  if (key == kBackspace) {
    TileRow& lower = view_.keyb2.row;
    if (lower.text().empty()) return;
    lower.setTileIndex(static_cast<int>(lower.text().size()) - 1);
    view_.focus = Focus::lowerKeyboard;
    keyb2KeyPress(key);
    view_.focus = Focus::upperKeyboard;
    return;
  }
  if (typeKey(view_.keyb1.row, view_.keyb2.row, key, false)) checkIfComplete();
}

void GameEngine::keyb2KeyPress(char key) {
  if (!state_.drawActive) return;
  state_.statusLocked = false;
  typeKey(view_.keyb2.row, view_.keyb1.row, key, true);
}

void GameEngine::checkIfComplete() {
  if (view_.keyb2.row.text().size() == static_cast<std::size_t>(kWordLength)) checkWord();
}

void GameEngine::checkWord() {
  if (!state_.drawActive) return;
  const std::string word = view_.keyb2.row.text();
  state_.enteredWord = word;
  for (int k = 1; k <= state_.rowCount; ++k) {
    const std::string& rowWord = state_.rowWords[static_cast<std::size_t>(k - 1)];
    if (rowWord.empty()) continue;
    if (word != rowWord) {
      if (k == state_.rowCount) refuseWord(word);
      continue;
    }
    if (row(k).inputColour == kRed) {
      showStatus(" " + word + toWin1252(" est déjà trouvé."));
      playSound("ding.wav");
    } else if (isAnagramDraw() && k == state_.rowCount) {
      showStatus(" " + word + toWin1252(" est le mot de départ."));
      playSound("ding.wav");
    } else {
      markFound(k);
    }
    break;
  }
  if (!state_.drawActive) {
    playSound("hi.wav");
    endDraw();
  }
}

// A word that is no row of the draw: a real French form is only not to be found here, and
// costs nothing, not even the sound of a mistake.
void GameEngine::refuseWord(const std::string& word) {
  if (forms_.isWordForm(word)) {
    showStatus(" " + word + toWin1252(" n'est pas à trouver dans ce tirage."));
    return;
  }
  showStatus(" " + word + " n'existe pas.");
  playSound("ding.wav");
}

void GameEngine::markFound(int k) {
  RowView& r = row(k);
  r.input.setText(state_.enteredWord);
  r.inputColour = kRed;
  r.panelColour = kRed;
  r.panelBold = true;
  ++state_.foundCount;
  state_.drawGain += rowValue(k);
  // The message of an earlier word (" EEOPPU n'existe pas.") is out of date once a word
  // is found; a help text under the pointer stays.
  if (helpShown_.empty()) showStatus("");
  refreshFormHelp();
  playSound("Inter.wav");
  port_.repaint();
  showRowFromStore(k, true);
  wordFound();
}

}  // namespace vorlane
