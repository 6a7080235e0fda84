#include "controls/Tkeybt.h"

namespace vorlane {

Tkeybt::Tkeybt(QWidget* parent) : KeyedTileRow(parent) {}

void Tkeybt::drawTile(QPainter& painter, int k, const QRect& r) {
  drawRaisedTile(painter, k, r, hasFocus() && k == tileIndex());
}

void Tkeybt::pressed(const QPoint& point) { selectTileAndFocus(point); }

void Tkeybt::handleKey(int key, Qt::KeyboardModifiers shift) {
  if (ctrlAlone(shift)) return;
  if (key == Qt::Key_Left) setTileIndex(tileIndex() - 1);
  if (key == Qt::Key_Right) setTileIndex(tileIndex() + 1);
}

}  // namespace vorlane
