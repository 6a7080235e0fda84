#include <cmath>
#include <vector>

#include "PatternDesigns.h"
#include "PeriodicNoise.h"

namespace vorlane::mkdata::patterns {

namespace {

// Offset from a centre on the torus: the nearest copy of the centre counts.
double wrapped(double d) { return d - std::round(d); }

struct Circle {
  double u;
  double v;
  double radius;
};

// Circles spread over the tile by a fixed generator, radii in tile units.
std::vector<Circle> scatter(int count, double smallest, double largest, std::uint32_t seed) {
  std::uint32_t state = seed;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 16777216.0;
  };
  std::vector<Circle> circles;
  for (int i = 0; i < count; ++i) {
    const double u = next();
    const double v = next();
    circles.push_back({u, v, smallest + (largest - smallest) * next()});
  }
  return circles;
}

}  // namespace

RgbImage bubbles(Shade ground, Shade bubble, std::uint32_t seed) {
  const PeriodicNoise clouds(4, 4, 3, seed);
  const std::vector<Circle> circles = scatter(9, 0.06, 0.14, seed);
  return paintTile(kTileSize, [&](double u, double v) {
    Shade colour = ground * (0.85 + 0.3 * clouds.at(u, v));
    for (const Circle& c : circles) {
      const double du = wrapped(u - c.u);
      const double dv = wrapped(v - c.v);
      const double r = std::hypot(du, dv) / c.radius;
      if (r >= 1.0) continue;
      // A soap film: clear in the middle, strong at the rim, one bright spot up-left.
      const double edge = std::min(1.0, (1.0 - r) * c.radius * kTileSize);
      const double rim = 0.25 + 0.75 * std::pow(r, 4.0);
      colour = Shade::mix(colour, bubble, rim * edge);
      const double spot = std::hypot(du / c.radius + 0.38, dv / c.radius + 0.38);
      const double shine = std::exp(-spot * spot * 30.0) * 230.0 * edge;
      colour = colour + Shade{shine, shine, shine};
    }
    return colour;
  });
}

RgbImage pavingStones() {
  constexpr double kRows = 4.0;    // stones 16 pixels high
  constexpr double kPerRow = 2.0;  // and 32 wide
  constexpr double kJoint = 1.5 / kTileSize;
  const PeriodicNoise grain(8, 8, 3, 5);
  return paintTile(kTileSize, [&](double u, double v) {
    const double row = std::floor(v * kRows);
    const double shifted = u + (static_cast<int>(row) % 2 == 1 ? 0.5 / kPerRow : 0.0);
    const double s = shifted - std::floor(shifted);
    const double column = std::floor(s * kPerRow);
    // Distances to the stone's edges, in tile units.
    const double left = s - column / kPerRow;
    const double right = (column + 1.0) / kPerRow - s;
    const double top = v - row / kRows;
    const double bottom = (row + 1.0) / kRows - v;
    const double nearest = std::min({left, right, top, bottom});
    if (nearest < kJoint) return Shade{72.0, 68.0, 62.0} * (0.9 + 0.2 * grain.at(u, v));
    // Each stone its own tint, the same for both halves of a stone cut by the wrap.
    constexpr double kTints[] = {1.0, 0.88, 1.08, 0.94, 0.86, 1.12, 0.97, 0.9};
    const double tint = kTints[static_cast<int>(row * kPerRow + column)];
    const double bevel =
        nearest < 3.0 * kJoint ? (std::min(left, top) < std::min(right, bottom) ? 1.18 : 0.8) : 1.0;
    const double texture = 0.85 + 0.3 * grain.at(u, v);
    return Shade{178.0, 164.0, 140.0} * (tint * bevel * texture);
  });
}

RgbImage rivets(Shade plate) {
  constexpr double kSpacing = 0.25;  // a rivet every 16 pixels
  constexpr double kRadius = 0.075;
  const PeriodicNoise brushed(1, 16, 3, 21);
  return paintTile(kTileSize, [&](double u, double v) {
    Shade colour = plate * (0.85 + 0.25 * brushed.at(u, v));
    const double du = wrapped((u - kSpacing / 2.0) / kSpacing) * kSpacing;
    const double dv = wrapped((v - kSpacing / 2.0) / kSpacing) * kSpacing;
    const double r = std::hypot(du, dv) / kRadius;
    if (r < 1.0) {
      // A dome lit from the upper left.
      const double nz = std::sqrt(1.0 - r * r);
      const double light = std::max(0.0, (-du - dv) / kRadius * 0.55 + nz * 0.75);
      const double edge = std::min(1.0, (1.0 - r) * kRadius * kTileSize);
      colour = Shade::mix(colour, plate * (0.45 + 0.95 * light), edge);
      return colour;
    }
    // Its shadow falls to the lower right.
    const double shadow = std::hypot(du - 0.02, dv - 0.02) / kRadius;
    if (shadow < 1.15) colour = colour * (0.62 + 0.33 * std::clamp(shadow - 0.15, 0.0, 1.0));
    return colour;
  });
}

}  // namespace vorlane::mkdata::patterns
