#pragma once

#include "controls/KeyedTileRow.h"

namespace vorlane {

// The letter keyboard: a tile row that marks its current tile while it has the focus
// (black outline just outside the tile, dotted focus rectangle inside it), moves it with
// Left and Right (Ctrl alone: nothing), and on a press selects the tile under the pointer
// and takes the focus, after OnMouseDown. Typed characters are only raised (OnKeyPress).
class Tkeybt : public KeyedTileRow {
  Q_OBJECT

 public:
  explicit Tkeybt(QWidget* parent = nullptr);

  // Index of the tile containing the point (control pixels), or -1.
  using TileRowWidget::tileAt;

 protected:
  void drawTile(QPainter& painter, int k, const QRect& r) override;
  void pressed(const QPoint& point) override;
  void handleKey(int key, Qt::KeyboardModifiers shift) override;
};

}  // namespace vorlane
