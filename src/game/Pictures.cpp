#include "game/Pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace vorlane {
namespace {

void paintFallback(QPainter& painter, QSize size, const QString& caption) {
  const QRect area(QPoint(0, 0), size - QSize(1, 1));
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.setBrush(QColor(0xF0, 0xE0, 0xA0));
  painter.drawRoundedRect(area, 4, 4);
  if (caption.isEmpty()) return;
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setPixelSize(std::max(6, size.height() / 3));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(area, Qt::AlignCenter, caption);
}

}  // namespace

QPixmap loadPicture(const QString& name, QSize size, const QString& caption) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QString resource = QStringLiteral(":/pictures/%1.svg").arg(name);
  QSvgRenderer renderer;
  if (QFile::exists(resource) && renderer.load(resource))
    renderer.render(&painter);
  else
    paintFallback(painter, size, caption);
  return pixmap;
}

}  // namespace vorlane
