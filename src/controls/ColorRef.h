#pragma once

#include <QColor>

#include <cstdint>

namespace vorlane {

// The game's colour values are 24-bit with red in the low byte: 0x00BBGGRR
// (red = 255, black = 0, white = 16777215). These are the one conversion to and from Qt.
QColor colorFromRef(std::uint32_t ref);
std::uint32_t colorToRef(const QColor& color);

}  // namespace vorlane
