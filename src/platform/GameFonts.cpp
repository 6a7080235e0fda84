#include "platform/GameFonts.h"

#include <QFontDatabase>

namespace vorlane {

QString installedFamilyOrStandIn(const QString& family) {
  return QFontDatabase::hasFamily(family) ? family : QStringLiteral("Liberation Sans");
}

QString arialFamily() {
  static const QString family = installedFamilyOrStandIn(QStringLiteral("Arial"));
  return family;
}

QFont arialFont(int pixels, bool bold) {
  QFont font(arialFamily());
  if (pixels > 0) font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace vorlane
