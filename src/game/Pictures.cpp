#include "game/Pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace vorlane {
namespace {

QString pictureFile(const QString& name) { return QStringLiteral(":/pictures/%1.svg").arg(name); }

QPixmap draw(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return pixmap;
}

}  // namespace

QPixmap loadPicture(const QString& name, QSize size, qreal devicePixelRatio) {
  // The fourteen rows' books, and a picture shown again, share one drawing.
  const QString key = QStringLiteral("vorlane/%1/%2x%3@%4")
                          .arg(name)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(devicePixelRatio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  QSvgRenderer renderer(pictureFile(name));
  pixmap = draw(renderer, size, devicePixelRatio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

// The picture is read once for its four sizes.
QIcon gameIcon() {
  QSvgRenderer renderer(pictureFile(QStringLiteral("vorlane")));
  QIcon icon;
  for (int side : {16, 32, 64, 128}) icon.addPixmap(draw(renderer, QSize(side, side), 1.0));
  return icon;
}

}  // namespace vorlane
