#pragma once

#include "controls/TileRowWidget.h"

namespace vorlane {

// The editable letter tiles: the player types a name, one capital letter a tile.
// A typed letter (accented ones included, as the score-name file holds them) or space goes
// upper-cased into the current tile, which then moves right (on the last tile it stays and
// is overwritten); every other character is ignored. Letters composed with a dead key
// arrive through the input method and are typed the same way.
// Left/Right move the current tile (Ctrl alone: to the first / last), Home and End jump,
// Backspace erases the letter before the current tile and moves onto it (the last letter
// of a full row, which stays current), Delete blanks the current tile. The editing rules
// are TileRow's. No key reaches the
// owner; the mouse events and the press are those of Tkeybt. While it has the focus the
// tiles are flat entry cells and the current one carries the dotted focus rectangle.
class TLetterTiles : public TileRowWidget {
  Q_OBJECT

 public:
  explicit TLetterTiles(QWidget* parent = nullptr);

  // Index of the tile containing the point (control pixels), or -1.
  using TileRowWidget::tileAt;

 protected:
  void drawTile(QPainter& painter, int k, const QRect& r) override;
  void pressed(const QPoint& point) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  void editKey(int key, Qt::KeyboardModifiers shift);
  void typeCharacter(char ch);
  // Shows the row after one of TileRow's edits, which wrote tile `written` (−1: none):
  // that tile, and the old and new current tiles, repaint alone.
  void showEdit(const TileRow& edited, int written);
};

}  // namespace vorlane
