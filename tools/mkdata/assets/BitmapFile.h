#pragma once

#include <string>

#include "RgbImage.h"

namespace vorlane::mkdata {

// File header (14 bytes) and information header (40 bytes) of an uncompressed bitmap.
inline constexpr std::size_t kBmpHeaderSize = 54;

// An uncompressed 24-bit bitmap: bottom-up rows of blue, green, red bytes, each row
// padded with zeros to a multiple of 4 bytes; numbers little-endian; 72 dots per inch.
std::string encodeBmp(const RgbImage& image);

}  // namespace vorlane::mkdata
