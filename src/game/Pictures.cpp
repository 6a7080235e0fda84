#include "game/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vorlane {

QPixmap loadPicture(const QString& name, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace vorlane
