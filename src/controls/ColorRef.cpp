#include "controls/ColorRef.h"

namespace vorlane {

QColor colorFromRef(std::uint32_t ref) {
  return QColor(static_cast<int>(ref & 0xFFu), static_cast<int>((ref >> 8) & 0xFFu),
                static_cast<int>((ref >> 16) & 0xFFu));
}

std::uint32_t colorToRef(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
         (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace vorlane
