#pragma once

#include <algorithm>
#include <cmath>
#include <functional>

#include "RgbImage.h"

namespace vorlane::mkdata {

// A colour being computed: red, green and blue in 0..255, not yet rounded or clamped.
struct Shade {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;

  Shade operator*(double k) const { return {red * k, green * k, blue * k}; }
  Shade operator+(const Shade& o) const { return {red + o.red, green + o.green, blue + o.blue}; }

  // The colour a fraction t of the way from `from` to `to`.
  static Shade mix(const Shade& from, const Shade& to, double t) {
    return from * (1.0 - t) + to * t;
  }

  Rgb toRgb() const {
    auto channel = [](double v) {
      return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return {channel(red), channel(green), channel(blue)};
  }
};

// A square picture of `size` pixels, each the shade of its centre (u, v) in the unit
// square: a function that repeats over the unit square gives a seamless tile.
inline RgbImage paintTile(int size, const std::function<Shade(double u, double v)>& shade) {
  RgbImage image(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      image.set(x, y, shade((x + 0.5) / size, (y + 0.5) / size).toRgb());
    }
  }
  return image;
}

}  // namespace vorlane::mkdata
