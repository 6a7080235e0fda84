#include "controls/TLetterTiles.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include "data/TextCodec.h"
#include "platform/QtText.h"

namespace vorlane {

TLetterTiles::TLetterTiles(QWidget* parent) : TileRowWidget(parent) {
  setAttribute(Qt::WA_InputMethodEnabled);
}

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

void TLetterTiles::editKey(int key, Qt::KeyboardModifiers shift) {
  const int last = static_cast<int>(text().size()) - 1;
  TileRow edited = row();
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
      showEdit(edited, edited.eraseBackward());
      break;
    case Qt::Key_Delete:
      showEdit(edited, edited.eraseCurrent());
      break;
    default:
      break;
  }
}

void TLetterTiles::inputMethodEvent(QInputMethodEvent* event) {
  for (char ch : fromQString(event->commitString())) typeCharacter(ch);
  event->accept();
}

QVariant TLetterTiles::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled:
      return true;
    case Qt::ImHints:
      return static_cast<int>(Qt::ImhUppercaseOnly | Qt::ImhNoPredictiveText);
    case Qt::ImCursorRectangle:
      return tileRect(std::max(tileIndex(), 0));
    default:
      return TileRowWidget::inputMethodQuery(query);
  }
}

void TLetterTiles::typeCharacter(char ch) {
  const std::optional<char> letter = nameCharacter(ch);
  if (!letter) return;
  TileRow edited = row();
  showEdit(edited, edited.typeLetter(*letter));
}

void TLetterTiles::showEdit(const TileRow& edited, int written) {
  if (written < 0) return;
  // The length is unchanged: the new text repaints nothing by itself.
  setText(edited.text());
  update(tileRect(written));
  setTileIndex(edited.tileIndex());
}

}  // namespace vorlane
