#include "controls/TLetterTiles.h"

#include <QKeyEvent>
#include <QPainter>

namespace vorlane {

TLetterTiles::TLetterTiles(QWidget* parent) : TileRowWidget(parent) {}

void TLetterTiles::drawTile(QPainter& painter, int k, const QRect& r) {
  const bool focused = hasFocus();
  const QColor face = focused ? systemColor(QPalette::Base) : color();
  const QColor light = systemColor(focused ? QPalette::Shadow : QPalette::Light);
  const QColor dark = systemColor(focused ? QPalette::Shadow : QPalette::Dark);
  painter.fillRect(r, face);
  drawBevel(painter, r, 1, light, dark);
  const QRect inner = r.adjusted(1, 1, -1, -1);
  drawLetter(painter, k, inner, face);
  if (focused && k == tileIndex()) drawFocusDots(painter, inner.adjusted(1, 1, -1, -1));
}

void TLetterTiles::pressed(const QPoint& point) { selectTileAndFocus(point); }

void TLetterTiles::keyPressEvent(QKeyEvent* event) {
  if (leavesToWindow(*event)) {
    event->ignore();
    return;
  }
  editKey(event->key(), shiftState(event->modifiers()));
  if (auto typed = typedCharacter(*event)) typeCharacter(*typed);
}

bool TLetterTiles::hasCurrentTile() const {
  return tileIndex() >= 0 && tileIndex() < static_cast<int>(text().size());
}

void TLetterTiles::editKey(int key, Qt::KeyboardModifiers shift) {
  const int last = static_cast<int>(text().size()) - 1;
  switch (key) {
    case Qt::Key_Left:
      setTileIndex(ctrlAlone(shift) ? 0 : tileIndex() - 1);
      break;
    case Qt::Key_Right:
      setTileIndex(ctrlAlone(shift) ? last : tileIndex() + 1);
      break;
    case Qt::Key_Home:
      setTileIndex(0);
      break;
    case Qt::Key_End:
      setTileIndex(last);
      break;
    case Qt::Key_Backspace:
      if (!hasCurrentTile()) break;
      writeLetter(tileIndex(), ' ');
      setTileIndex(tileIndex() - 1);
      break;
    case Qt::Key_Delete:
      if (hasCurrentTile()) writeLetter(tileIndex(), ' ');
      break;
    default:
      break;
  }
}

void TLetterTiles::typeCharacter(char ch) {
  const bool small = ch >= 'a' && ch <= 'z';
  if (!(small || ch == ' ' || (ch >= 'A' && ch <= 'Z')) || !hasCurrentTile()) return;
  writeLetter(tileIndex(), small ? static_cast<char>(ch - 'a' + 'A') : ch);
  setTileIndex(tileIndex() + 1);
}

void TLetterTiles::writeLetter(int k, char letter) {
  std::string edited = text();
  edited[static_cast<std::size_t>(k)] = letter;
  setText(edited);
  update(tileRect(k));
}

}  // namespace vorlane
