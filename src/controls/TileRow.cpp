#include "controls/TileRow.h"

namespace vorlane {

bool TileRow::setText(const std::string& text) {
  if (text == text_) return false;
  text_ = text;
  if (static_cast<int>(text_.size()) - 1 < tileIndex_)
    setTileIndex(static_cast<int>(text_.size()) - 1);
  return true;
}

int TileRow::setTileIndex(int index) {
  const int previous = tileIndex_;
  if (index < 0) index = 0;
  if (index > static_cast<int>(text_.size()) - 1) index = static_cast<int>(text_.size()) - 1;
  tileIndex_ = index;
  return previous;
}

}  // namespace vorlane
