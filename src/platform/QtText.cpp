#include "platform/QtText.h"

#include "data/TextCodec.h"

namespace vorlane {

QString toQString(const std::string& win1252) {
  return QString::fromStdString(win1252ToUtf8(win1252));
}

std::string fromQString(const QString& text) { return toWin1252(text.toStdString()); }

}  // namespace vorlane
