#pragma once

#include <string>

namespace vorlane {

// The text and current tile of a row of letter tiles: the rules shared by the letter
// keyboard, the letter input box and the letter tiles, and by the game, which must know
// what the keyboards hold and which tile is current. Text is Windows-1252, one tile a byte.
class TileRow {
 public:
  const std::string& text() const { return text_; }
  int tileIndex() const { return tileIndex_; }

  // Stores a new text. A text that leaves the current tile past the last letter pulls it
  // back to the last letter (−1 when empty); a longer text never moves it. Returns false
  // when the text was the same and nothing happened.
  bool setText(const std::string& text);

  // Clamped to 0..length − 1, or −1 for an empty text. Returns the previous index, so
  // that a control repaints the old and the new tile.
  int setTileIndex(int index);

  // The edits of a name typed into the letter tiles. Each answers the tile whose letter it
  // wrote, or −1 when there is no current tile and nothing happened; the length never
  // changes. The current tile is where the next letter goes.
  //
  // A letter (or a blank) goes into the current tile, which then moves right; on the last
  // tile it stays, so a seventh letter overwrites the sixth.
  int typeLetter(char letter);
  // Backspace: blanks the letter before the place of the next one and moves there. On
  // the last tile holding a letter (a full row, where the next letter would overwrite it)
  // that letter is blanked and the tile stays current; on the first tile, the first letter.
  int eraseBackward();
  // Delete: blanks the current tile without moving.
  int eraseCurrent();

  bool operator==(const TileRow&) const = default;

 private:
  std::string text_;
  // A new row with empty text still holds 0 until the index is set or the text changes.
  int tileIndex_ = 0;

  bool hasCurrentTile() const;
  int write(int k, char letter);
};

}  // namespace vorlane
