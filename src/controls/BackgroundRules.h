#pragma once

#include <vector>

#include "data/Settings.h"

namespace vorlane {

// The background that hides the desktop: `patternIndex` 0, 1, 2 are the red, blue and
// magenta gradients, 3..17 the tiled patterns, 18 the plain background colour.
inline constexpr int kRedGradient = 0;
inline constexpr int kMagentaGradient = 2;
inline constexpr int kFirstPattern = 3;
inline constexpr int kLastPattern = 17;
inline constexpr int kPlainColour = 18;

// The background window: 1200 × 1000 pixels whatever the screen, at its top-left corner.
inline constexpr int kBackgroundWidth = 1200;
inline constexpr int kBackgroundHeight = 1000;
// The window's grey (`clSilver`), which shows while a pattern rather than a colour is used.
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kBandTeal = 0x808000;

enum class BackgroundPaint { gradient, tiles, windowColour };

// A negative index paints teal gradient bands; 19 and more, the window colour only.
BackgroundPaint backgroundPaintFor(int patternIndex);

// The gradient colour of intensity i: (i, 0, 0), (0, 0, i), (i, 0, i) for the three
// gradients; teal (0, 128, 128) for every other index. Colours are 0x00BBGGRR.
Colour gradientColour(int patternIndex, int intensity);

// One horizontal band of the gradient, full width; the last one may pass the bottom.
struct Band {
  int top = 0;
  int height = 0;
  Colour colour = 0;
  bool operator==(const Band&) const = default;
};

// Bands of H / 64 + 1 pixels from the top while their top is above H, band j of
// intensity 255 − 4j: 63 bands of 16 pixels for the 1000-pixel window.
std::vector<Band> gradientBands(int patternIndex, int clientHeight);

// The one-pixel lines of a gradient thumbnail, from the top of its picture area: line k
// of intensity 255 − 10k, 18 lines for a 20-pixel cell.
std::vector<Colour> thumbnailLines(int patternIndex, int pictureHeight);

// How many copies of a w × h pattern the window's width and height take, the last ones
// clipped; none for an empty pattern.
struct TileGrid {
  int columns = 0;
  int rows = 0;
  bool operator==(const TileGrid&) const = default;
};
TileGrid tileGrid(int windowWidth, int windowHeight, int patternWidth, int patternHeight);

// `largeFonts`: the system's font scaling makes the text "Label1" wider than 35 pixels in
// the window's font, designed at 120 pixels per inch and scaled to the screen's logical
// resolution.
inline constexpr int kDesignDpi = 120;
inline constexpr int kDesignFontPixels = 14;
int scaledFontPixels(int designPixels, int logicalDpi);
bool largeFontsFor(int label1Width);

}  // namespace vorlane
