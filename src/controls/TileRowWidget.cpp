#include "controls/TileRowWidget.h"

#include "controls/ColorRef.h"
#include "controls/TileRowAccessible.h"
#include "platform/Announce.h"
#include "platform/GameFonts.h"
#include "platform/QtText.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace vorlane {

namespace {

constexpr std::uint32_t white = 0xFFFFFF;
// The letters are drawn this much lower than the control is high.
constexpr int fontMargin = 6;

int length(const std::string& text) { return static_cast<int>(text.size()); }

// Cell height (ascent + descent) of `font` at `pixelSize`.
int cellHeight(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return QFontMetrics(font).height();
}

std::optional<char> controlCode(char typed) {
  // Ctrl with a letter types its control code (Ctrl+A is 1), whether or not the platform
  // has already made the text one; Ctrl with any other printable key types nothing.
  const char upper = (typed >= 'a' && typed <= 'z') ? static_cast<char>(typed - 'a' + 'A') : typed;
  if (upper >= 'A' && upper <= 'Z') return static_cast<char>(upper - 'A' + 1);
  if (static_cast<unsigned char>(typed) < 0x20) return typed;
  return std::nullopt;
}

}  // namespace

TileRowWidget::TileRowWidget(QWidget* parent) : QWidget(parent) {
  TileRowAccessible::installFactory();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  setCursor(Qt::IBeamCursor);
  setFont(arialFont(0, true));
  color_ = systemColor(QPalette::Button);
  fontColor_ = systemColor(QPalette::WindowText);
  resize(defaultTileSize, defaultTileSize);
  applyAutoSize();
}

void TileRowWidget::setText(const std::string& text) {
  const int previousIndex = row_.tileIndex();
  const auto previousLength = row_.text().size();
  if (!row_.setText(text)) return;
  if (row_.tileIndex() != previousIndex) {
    updateTile(previousIndex);
    updateTile(row_.tileIndex());
  }
  if (text.size() != previousLength) applyAutoSize();
  // The letters are the row's name and value: a screen reader hears the change.
  announce(this, QAccessible::NameChanged);
  QAccessibleValueChangeEvent valueChanged(this, TileRowAccessible::lettersRead(*this));
  QAccessible::updateAccessibility(&valueChanged);
}

void TileRowWidget::setTileIndex(int index) {
  const int previous = row_.setTileIndex(index);
  if (previous == row_.tileIndex()) return;
  updateTile(previous);
  updateTile(row_.tileIndex());
}

void TileRowWidget::setTileSize(int size) {
  size = std::max(size, minimumTileSize);
  if (size == tileSize_) return;
  tileSize_ = size;
  if (autoSize_) {
    applyAutoSize();
  } else {
    update();
  }
}

void TileRowWidget::setAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  if (on) {
    applyAutoSize();
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void TileRowWidget::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TileRowWidget::setColorRef(std::uint32_t ref) { setColor(colorFromRef(ref)); }

std::uint32_t TileRowWidget::fontColorRef() const { return colorToRef(fontColor_); }

void TileRowWidget::setFontColor(const QColor& color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  update();
}

void TileRowWidget::setFontColorRef(std::uint32_t ref) { setFontColor(colorFromRef(ref)); }

QRect TileRowWidget::tileRect(int k) const { return QRect(k * tileSize_, 0, tileSize_, tileSize_); }

QFont TileRowWidget::tileFont() const {
  const int cell = std::max(1, height() - fontMargin);
  if (cell == fontCell_) return cellFont_;
  // Pixel sizes give the em height; pick the one whose cell height comes nearest.
  const int estimate = std::max(1, cell * cell / std::max(1, cellHeight(font(), cell)));
  int best = estimate;
  for (int size = std::max(1, estimate - 2); size <= estimate + 2; ++size) {
    if (std::abs(cellHeight(font(), size) - cell) < std::abs(cellHeight(font(), best) - cell)) {
      best = size;
    }
  }
  cellFont_ = font();
  cellFont_.setPixelSize(best);
  fontCell_ = cell;
  return cellFont_;
}

QSize TileRowWidget::sizeHint() const { return QSize(length(row_.text()) * tileSize_, tileSize_); }

int TileRowWidget::tileAt(const QPoint& point) const {
  for (int k = length(row_.text()) - 1; k >= 0; --k) {
    if (tileRect(k).contains(point)) return k;
  }
  return -1;
}

void TileRowWidget::drawTile(QPainter& painter, int k, const QRect& r) {
  drawRaisedTile(painter, k, r, false);
}

void TileRowWidget::pressed(const QPoint&) {}

void TileRowWidget::selectTileAndFocus(const QPoint& point) {
  const int k = tileAt(point);
  if (k >= 0) setTileIndex(k);
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
}

void TileRowWidget::drawRaisedTile(QPainter& painter, int k, const QRect& r, bool marked) {
  const QColor light =
      colorToRef(color_) == white ? systemColor(QPalette::Button) : systemColor(QPalette::Light);
  painter.fillRect(r, color_);
  drawBevel(painter, r, 2, light, systemColor(QPalette::Dark));
  const QRect inner = r.adjusted(2, 2, -2, -2);
  if (marked) {
    const QRect outline = r.adjusted(-1, -1, 1, 1);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
  }
  drawLetter(painter, k, inner, color_);
  if (marked) drawFocusDots(painter, inner.adjusted(1, 1, -1, -1));
}

void TileRowWidget::drawBevel(QPainter& painter, const QRect& r, int rings, const QColor& light,
                              const QColor& dark) {
  for (int n = 0; n < rings; ++n) {
    const QRect q = r.adjusted(n, n, -n, -n);
    if (q.isEmpty()) return;
    painter.fillRect(q.left(), q.top(), q.width(), 1, light);
    painter.fillRect(q.left(), q.top(), 1, q.height(), light);
    painter.fillRect(q.right(), q.top(), 1, q.height(), dark);
    painter.fillRect(q.left(), q.bottom(), q.width(), 1, dark);
  }
}

void TileRowWidget::drawLetter(QPainter& painter, int k, const QRect& r, const QColor& face) const {
  const QString letter = toQString(row_.text().substr(static_cast<std::size_t>(k), 1));
  const QFontMetrics metrics(painter.font());
  const int width = metrics.horizontalAdvance(letter);
  const int height = metrics.height();
  // Edges as left-inclusive, right-exclusive; the divisions truncate toward zero.
  const int x = (r.left() + r.left() + r.width() - width) / 2;
  const int y = (r.top() + r.top() + r.height() - height) / 2;
  painter.fillRect(x, y, width, height, face);
  painter.setPen(fontColor_);
  painter.drawText(x, y + metrics.ascent(), letter);
}

void TileRowWidget::drawFocusDots(QPainter& painter, const QRect& r) {
  if (r.isEmpty()) return;
  QPolygon dots;
  for (int x = r.left(); x <= r.right(); ++x) {
    for (const int y : {r.top(), r.bottom()}) {
      if ((x + y) % 2 == 0) dots << QPoint(x, y);
    }
  }
  for (int y = r.top() + 1; y < r.bottom(); ++y) {
    for (const int x : {r.left(), r.right()}) {
      if ((x + y) % 2 == 0) dots << QPoint(x, y);
    }
  }
  painter.save();
  // White xor the pixel inverts it, whatever lies below.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(Qt::white);
  painter.drawPoints(dots);
  painter.restore();
}

QColor TileRowWidget::systemColor(QPalette::ColorRole role) const {
  return palette().color(QPalette::Active, role);
}

bool TileRowWidget::leavesToWindow(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

std::optional<char> TileRowWidget::typedCharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
  // Alt alone types nothing: the key goes to the window's menu keys. Ctrl with Alt is AltGr.
  if (held == Qt::AltModifier) return std::nullopt;
  const bool ctrl = held == Qt::ControlModifier;
  if (event.key() == Qt::Key_Backspace) return ctrl ? '\x7F' : '\b';
  const QString typed = event.text();
  // Delete types nothing, whatever the platform puts in the event's text.
  if (typed.size() != 1 || event.key() == Qt::Key_Delete || typed[0] == QChar(0x7F)) {
    return std::nullopt;
  }
  const std::string bytes = fromQString(typed);
  if (bytes.size() != 1 || toQString(bytes) != typed) return std::nullopt;
  if (ctrl) return controlCode(bytes[0]);
  return bytes[0];
}

bool TileRowWidget::ctrlAlone(Qt::KeyboardModifiers shift) {
  return (shift & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) ==
         Qt::ControlModifier;
}

Qt::KeyboardModifiers TileRowWidget::shiftState(Qt::KeyboardModifiers modifiers) {
  return modifiers & ~Qt::KeypadModifier;
}

bool TileRowWidget::claimsKey(const QKeyEvent& event) const {
  if (event.key() == Qt::Key_Left || event.key() == Qt::Key_Right) return true;
  // Ctrl, Alt and Meta combinations stay the window's shortcuts and menu keys.
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const auto typed = typedCharacter(event);
  return typed && (static_cast<unsigned char>(*typed) >= 0x20 || *typed == '\b');
}

bool TileRowWidget::event(QEvent* event) {
  // The window's shortcuts must not take the arrows or the characters typed in the row.
  if (event->type() == QEvent::ShortcutOverride && claimsKey(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void TileRowWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRegion area = event->region();
  const QRect tiles(0, 0, length(row_.text()) * tileSize_, tileSize_);
  for (const QRect& uncovered : area.subtracted(tiles)) painter.fillRect(uncovered, color_);
  painter.setFont(tileFont());
  for (int k = 0; k < length(row_.text()); ++k) {
    const QRect r = tileRect(k);
    if (area.intersects(r)) drawTile(painter, k, r);
  }
}

void TileRowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    fontCell_ = -1;
    update();
  }
  QWidget::changeEvent(event);
}

// The current-tile marks come and go with the focus.
void TileRowWidget::focusInEvent(QFocusEvent*) { update(); }

void TileRowWidget::focusOutEvent(QFocusEvent*) { update(); }

void TileRowWidget::keyReleaseEvent(QKeyEvent* event) {
  if (leavesToWindow(*event)) event->ignore();
}

void TileRowWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
  emit OnMouseDown(event->button(), shiftState(event->modifiers()), point.x(), point.y());
  pressed(point);
}

void TileRowWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  emit OnMouseMove(shiftState(event->modifiers()), point.x(), point.y());
}

void TileRowWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::LeftButton && leftPressed_) {
    leftPressed_ = false;
    if (rect().contains(point)) emit OnClick();
  }
  emit OnMouseUp(event->button(), shiftState(event->modifiers()), point.x(), point.y());
}

void TileRowWidget::applyAutoSize() {
  if (autoSize_) setFixedSize(sizeHint());
}

void TileRowWidget::updateTile(int k) {
  if (k >= 0) update(tileRect(k));
}

}  // namespace vorlane
