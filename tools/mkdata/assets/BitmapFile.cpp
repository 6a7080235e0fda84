#include "BitmapFile.h"

#include <cstdint>

namespace vorlane::mkdata {

namespace {

void putLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

}  // namespace

std::string encodeBmp(const RgbImage& image) {
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
  const std::uint32_t imageSize = rowSize * height;

  std::string out;
  out.reserve(kBmpHeaderSize + imageSize);
  out += "BM";
  putLE(out, static_cast<std::uint32_t>(kBmpHeaderSize) + imageSize, 4);
  putLE(out, 0, 4);
  putLE(out, static_cast<std::uint32_t>(kBmpHeaderSize), 4);
  putLE(out, 40, 4);
  putLE(out, width, 4);
  putLE(out, height, 4);  // positive: rows stored bottom-up
  putLE(out, 1, 2);       // planes
  putLE(out, 24, 2);      // bits per pixel
  putLE(out, 0, 4);       // no compression
  putLE(out, imageSize, 4);
  putLE(out, kPixelsPerMetre, 4);
  putLE(out, kPixelsPerMetre, 4);
  putLE(out, 0, 4);  // no palette
  putLE(out, 0, 4);
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) {
      const Rgb p = image.at(x, y);
      out.push_back(static_cast<char>(p.blue));
      out.push_back(static_cast<char>(p.green));
      out.push_back(static_cast<char>(p.red));
    }
    out.append(rowSize - width * 3, '\0');
  }
  return out;
}

}  // namespace vorlane::mkdata
