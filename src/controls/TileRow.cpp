#include "controls/TileRow.h"

#include <algorithm>

namespace vorlane {

bool TileRow::setText(const std::string& text) {
  if (text == text_) return false;
  text_ = text;
  // A caret beyond the new text moves to its last tile.
  tileIndex_ = std::min(tileIndex_, static_cast<int>(text_.size()) - 1);
  return true;
}

int TileRow::setTileIndex(int index) {
  const int previous = tileIndex_;
  // Within the text; an empty text has no current tile (−1).
  tileIndex_ = std::min(std::max(index, 0), static_cast<int>(text_.size()) - 1);
  return previous;
}

bool TileRow::hasCurrentTile() const {
  return tileIndex_ >= 0 && tileIndex_ < static_cast<int>(text_.size());
}

int TileRow::write(int k, char letter) {
  text_[static_cast<std::size_t>(k)] = letter;
  return k;
}

int TileRow::typeLetter(char letter) {
  if (!hasCurrentTile()) return -1;
  const int k = write(tileIndex_, letter);
  setTileIndex(k + 1);
  return k;
}

int TileRow::eraseBackward() {
  if (!hasCurrentTile()) return -1;
  const int last = static_cast<int>(text_.size()) - 1;
  const bool fullRow = tileIndex_ == last && text_[static_cast<std::size_t>(last)] != ' ';
  if (!fullRow && tileIndex_ > 0) setTileIndex(tileIndex_ - 1);
  return write(tileIndex_, ' ');
}

int TileRow::eraseCurrent() {
  if (!hasCurrentTile()) return -1;
  return write(tileIndex_, ' ');
}

}  // namespace vorlane
