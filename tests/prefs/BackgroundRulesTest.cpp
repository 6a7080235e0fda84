#include "controls/BackgroundRules.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

constexpr Colour rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}

TEST(GradientTest, MagentaOnTheBackgroundWindowRunsFrom255To7In63Bands) {
  const std::vector<Band> bands = gradientBands(2, kBackgroundHeight);
  ASSERT_EQ(bands.size(), 63u);
  EXPECT_EQ(bands.front(), (Band{0, 16, rgb(255, 0, 255)}));
  EXPECT_EQ(bands[1], (Band{16, 16, rgb(251, 0, 251)}));
  EXPECT_EQ(bands.back(), (Band{992, 16, rgb(7, 0, 7)}));
}

TEST(GradientTest, EachGradientHasItsColourAndEveryOtherIndexTeal) {
  EXPECT_EQ(gradientBands(0, 1000)[2].colour, rgb(247, 0, 0));
  EXPECT_EQ(gradientBands(1, 1000)[2].colour, rgb(0, 0, 247));
  for (int index : {-1, -40}) {
    for (const Band& band : gradientBands(index, 1000))
      EXPECT_EQ(band.colour, rgb(0, 128, 128)) << index;
  }
}

TEST(GradientTest, ALowWindowHasOneBandPerPixelRow) {
  const std::vector<Band> bands = gradientBands(0, 40);
  ASSERT_EQ(bands.size(), 40u);
  EXPECT_EQ(bands[39], (Band{39, 1, rgb(255 - 4 * 39, 0, 0)}));
  EXPECT_TRUE(gradientBands(0, 0).empty());
  // 64 pixels make bands of 2: the band height grows before the count reaches 64.
  EXPECT_EQ(gradientBands(0, 64).size(), 32u);
}

TEST(BackgroundPaintTest, IndexDecidesWhatIsPainted) {
  EXPECT_EQ(backgroundPaintFor(-3), BackgroundPaint::gradient);
  EXPECT_EQ(backgroundPaintFor(2), BackgroundPaint::gradient);
  EXPECT_EQ(backgroundPaintFor(3), BackgroundPaint::tiles);
  EXPECT_EQ(backgroundPaintFor(17), BackgroundPaint::tiles);
  EXPECT_EQ(backgroundPaintFor(18), BackgroundPaint::windowColour);
  EXPECT_EQ(backgroundPaintFor(19), BackgroundPaint::windowColour);
}

TEST(BackgroundPaintTest, PatternTilesCoverTheWindowWithClippedLastCopies) {
  EXPECT_EQ(tileGrid(kBackgroundWidth, kBackgroundHeight, 32, 32), (TileGrid{38, 32}));
  EXPECT_EQ(tileGrid(1200, 1000, 64, 64), (TileGrid{19, 16}));
  EXPECT_EQ(tileGrid(128, 64, 64, 64), (TileGrid{2, 1}));
  EXPECT_EQ(tileGrid(3, 2, 1, 1), (TileGrid{3, 2})) << "a one-pixel pattern still tiles";
  EXPECT_EQ(tileGrid(1200, 1000, 0, 64), TileGrid{});
  EXPECT_EQ(tileGrid(1200, 1000, 64, 0), TileGrid{});
  EXPECT_EQ(tileGrid(0, 1000, 64, 64), TileGrid{});
  EXPECT_EQ(tileGrid(1200, 0, 64, 64), TileGrid{});
  EXPECT_EQ(tileGrid(1, 1, 64, 64), (TileGrid{1, 1}));
}

TEST(ThumbnailTest, GradientCellHas18LinesFrom255To85) {
  const std::vector<Colour> blue = thumbnailLines(1, 18);
  ASSERT_EQ(blue.size(), 18u);
  EXPECT_EQ(blue.front(), rgb(0, 0, 255));
  EXPECT_EQ(blue[1], rgb(0, 0, 245));
  EXPECT_EQ(blue.back(), rgb(0, 0, 85));
  EXPECT_EQ(thumbnailLines(2, 18)[17], rgb(85, 0, 85));
  EXPECT_EQ(thumbnailLines(5, 18)[0], rgb(0, 128, 128));
}

TEST(LargeFontsTest, LabelWidthAtTheScreensResolution) {
  EXPECT_EQ(scaledFontPixels(kDesignFontPixels, 120), 14);
  EXPECT_EQ(scaledFontPixels(kDesignFontPixels, 96), 11);
  EXPECT_EQ(scaledFontPixels(kDesignFontPixels, 144), 17);
  EXPECT_EQ(scaledFontPixels(kDesignFontPixels, 150), 18) << "17.5 rounds up";
  EXPECT_EQ(scaledFontPixels(kDesignFontPixels, 30), 4) << "3.5 rounds up";
  EXPECT_FALSE(largeFontsFor(35));
  EXPECT_TRUE(largeFontsFor(36));
}

}  // namespace
}  // namespace vorlane
