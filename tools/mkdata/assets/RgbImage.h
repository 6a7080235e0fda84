#pragma once

#include <cstdint>
#include <vector>

namespace vorlane::mkdata {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// A picture of 24-bit pixels, row 0 at the top.
class RgbImage {
 public:
  RgbImage(int width, int height) : width_(width), height_(height), pixels_(size(width, height)) {}

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Rgb colour) { pixels_[index(x, y)] = colour; }

 private:
  static std::size_t size(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace vorlane::mkdata
