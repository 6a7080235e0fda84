#pragma once

#include <cstdint>

#include "RgbImage.h"
#include "Shade.h"

// The drawings of the background patterns. Each one is a function that repeats over the
// unit square, sampled into a square tile, so the tile is seamless when repeated.
namespace vorlane::mkdata::patterns {

inline constexpr int kTileSize = 64;

// Soft cloudy texture around one colour.
RgbImage softTexture(Shade colour, std::uint32_t seed);
// Vertical rounded ribs with dark grooves.
RgbImage ribs(Shade colour, std::uint32_t seed);
// Diagonal grey stripes.
RgbImage greyStripes();
// Green marble veined by turbulence.
RgbImage greenMarble();
// Fiery red creases over black.
RgbImage devilish();

// Translucent bubbles with a highlight over a tinted ground.
RgbImage bubbles(Shade ground, Shade bubble, std::uint32_t seed);
// Staggered paving stones with mortar joints.
RgbImage pavingStones();
// A brushed plate with a grid of domed rivets.
RgbImage rivets(Shade plate);

}  // namespace vorlane::mkdata::patterns
