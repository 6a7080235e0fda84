#include <cmath>
#include <numbers>

#include "PatternDesigns.h"
#include "PeriodicNoise.h"

namespace vorlane::mkdata::patterns {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double smoothStep(double from, double to, double x) {
  const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

}  // namespace

RgbImage softTexture(Shade colour, std::uint32_t seed) {
  const PeriodicNoise clouds(4, 4, 4, seed);
  return paintTile(kTileSize,
                   [&](double u, double v) { return colour * (0.8 + 0.4 * clouds.at(u, v)); });
}

RgbImage ribs(Shade colour, std::uint32_t seed) {
  constexpr int kRibs = 8;
  const PeriodicNoise grain(2, 8, 3, seed);
  return paintTile(kTileSize, [&](double u, double v) {
    // |sin| is a rounded rib between grooves at multiples of 1/8, the wrap included.
    const double profile = std::abs(std::sin(std::numbers::pi * kRibs * u));
    const double light = 0.45 + 0.6 * std::sqrt(profile) + 0.12 * (grain.at(u, v) - 0.5);
    const double gloss = std::pow(profile, 12.0) * 50.0;
    return colour * light + Shade{gloss, gloss, gloss};
  });
}

RgbImage greyStripes() {
  const PeriodicNoise grain(8, 8, 2, 31);
  return paintTile(kTileSize, [&](double u, double v) {
    // Four whole stripes across the tile in each direction.
    const double wave = 0.5 + 0.5 * std::sin(kTwoPi * 4.0 * (u + v));
    const double band = smoothStep(0.3, 0.7, wave);
    const double grey = 105.0 + 85.0 * band + 18.0 * (grain.at(u, v) - 0.5);
    return Shade{grey, grey, grey + 6.0};
  });
}

RgbImage greenMarble() {
  const PeriodicNoise turbulence(3, 3, 4, 47);
  const Shade dark{18.0, 78.0, 48.0};
  const Shade light{168.0, 214.0, 176.0};
  return paintTile(kTileSize, [&](double u, double v) {
    const double phase = kTwoPi * (2.0 * u + v) + 7.0 * turbulence.at(u, v);
    const double vein = std::pow(0.5 + 0.5 * std::sin(phase), 0.6);
    return Shade::mix(dark, light, vein);
  });
}

RgbImage devilish() {
  const PeriodicNoise creases(3, 3, 4, 66, true);
  const PeriodicNoise glow(2, 2, 2, 13);
  return paintTile(kTileSize, [&](double u, double v) {
    // Ridged noise is 0 on its creases: the fire burns along them.
    const double fire = std::pow(1.0 - creases.at(u, v), 3.0);
    const double ember = 0.5 + glow.at(u, v);
    Shade colour =
        Shade::mix({45.0, 0.0, 6.0}, {185.0, 8.0, 0.0}, std::min(1.0, fire * 2.2 * ember));
    if (fire > 0.5) colour = Shade::mix(colour, {255.0, 150.0, 30.0}, (fire - 0.5) * 2.0);
    return colour;
  });
}

}  // namespace vorlane::mkdata::patterns
