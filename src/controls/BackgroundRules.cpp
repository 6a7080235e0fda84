#include "controls/BackgroundRules.h"

namespace vorlane {
namespace {

constexpr int kMaxBands = 64;
constexpr int kTopIntensity = 255;
constexpr int kBandStep = 4;
constexpr int kThumbnailStep = 10;
constexpr int kLargeFontsLabelWidth = 35;

// The gradients mix red and blue only.
Colour redAndBlue(int red, int blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(blue) << 16);
}

}  // namespace

BackgroundPaint backgroundPaintFor(int patternIndex) {
  if (patternIndex < kFirstPattern) return BackgroundPaint::gradient;
  if (patternIndex <= kLastPattern) return BackgroundPaint::tiles;
  return BackgroundPaint::windowColour;
}

Colour gradientColour(int patternIndex, int intensity) {
  switch (patternIndex) {
    case kRedGradient:
      return redAndBlue(intensity, 0);
    case kRedGradient + 1:
      return redAndBlue(0, intensity);
    case kMagentaGradient:
      return redAndBlue(intensity, intensity);
    default:
      return kBandTeal;
  }
}

std::vector<Band> gradientBands(int patternIndex, int clientHeight) {
  std::vector<Band> bands;
  const int height = clientHeight / kMaxBands + 1;
  for (int j = 0; j * height < clientHeight; ++j)
    bands.push_back({j * height, height, gradientColour(patternIndex, kTopIntensity - kBandStep * j)});
  return bands;
}

std::vector<Colour> thumbnailLines(int patternIndex, int pictureHeight) {
  std::vector<Colour> lines;
  for (int k = 0; k < pictureHeight; ++k)
    lines.push_back(gradientColour(patternIndex, kTopIntensity - kThumbnailStep * k));
  return lines;
}

TileGrid tileGrid(int windowWidth, int windowHeight, int patternWidth, int patternHeight) {
  if (patternWidth <= 0 || patternHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return {};
  return {(windowWidth + patternWidth - 1) / patternWidth,
          (windowHeight + patternHeight - 1) / patternHeight};
}

int scaledFontPixels(int designPixels, int logicalDpi) {
  return (designPixels * logicalDpi + kDesignDpi / 2) / kDesignDpi;
}

bool largeFontsFor(int label1Width) { return label1Width > kLargeFontsLabelWidth; }

}  // namespace vorlane
