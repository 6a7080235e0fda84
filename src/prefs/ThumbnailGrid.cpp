#include "prefs/ThumbnailGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "controls/BackgroundRules.h"
#include "controls/ColorRef.h"

namespace vorlane {
namespace {

constexpr int kGridLine = 1;
constexpr int kPitch = ThumbnailGrid::kCellSize + kGridLine;

}  // namespace

ThumbnailGrid::ThumbnailGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Thumbs"));
  setFocusPolicy(Qt::ClickFocus);
}

QRect ThumbnailGrid::cellRect(int index) {
  const int column = index % kColumns;
  const int row = index / kColumns;
  return {kGridLine + column * kPitch, kGridLine + row * kPitch, kCellSize, kCellSize};
}

void ThumbnailGrid::selectCell(int index) {
  if (index < 0 || index >= kColumns * kRows || index == selected_) return;
  const int previous = selected_;
  selected_ = index;
  update(cellRect(previous));
  update(cellRect(selected_));
}

const QPixmap& ThumbnailGrid::picture(int index) {
  const auto slot = static_cast<std::size_t>(index);
  if (!asked_[slot] && source_) pictures_[slot] = source_(index);
  asked_[slot] = true;
  return pictures_[slot];
}

void ThumbnailGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  for (int index = 0; index < kColumns * kRows; ++index)
    if (event->rect().intersects(cellRect(index))) drawCell(painter, index);
}

// A raised frame on the cell's edge, the picture inside it inset by one pixel.
void ThumbnailGrid::drawCell(QPainter& painter, int index) {
  const QRect cell = cellRect(index);
  const QRect area = cell.adjusted(1, 1, -1, -1);
  if (index >= kFirstPattern && index <= kLastPattern) {
    const QPixmap& pattern = picture(index);
    if (!pattern.isNull()) painter.drawPixmap(area, pattern);
  } else {
    const std::vector<Colour> lines = thumbnailLines(index, area.height());
    for (int k = 0; k < static_cast<int>(lines.size()); ++k)
      painter.fillRect(area.left(), area.top() + k, area.width(), 1, colorFromRef(lines[k]));
  }
  painter.setPen(Qt::white);
  painter.drawLine(cell.topLeft(), cell.topRight());
  painter.drawLine(cell.topLeft(), cell.bottomLeft());
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(cell.bottomLeft(), cell.bottomRight());
  painter.drawLine(cell.topRight(), cell.bottomRight());
  if (index == selected_ && hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = cell;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void ThumbnailGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (int index = 0; index < kColumns * kRows; ++index) {
    if (!cellRect(index).contains(at)) continue;
    if (pressed_) pressed_(index);
    break;
  }
  QWidget::mousePressEvent(event);
}

}  // namespace vorlane
