#include "game/Pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vorlane {

QPixmap loadPicture(const QString& name, QSize size, qreal devicePixelRatio) {
  // The fourteen rows' books, and a picture shown again, share one drawing.
  const QString key = QStringLiteral("vorlane/%1/%2x%3@%4")
                          .arg(name)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(devicePixelRatio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QPixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

QIcon gameIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 128})
    icon.addPixmap(loadPicture(QStringLiteral("vorlane"), QSize(side, side), 1.0));
  return icon;
}

}  // namespace vorlane
