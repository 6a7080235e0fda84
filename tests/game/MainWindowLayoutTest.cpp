#include "game/MainWindowLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vorlane {
namespace {

struct WidthCase {
  bool largeTiles;
  bool widestWindow;
  int screenWidth;
  int expectedWidth;
};

class WindowWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(WindowWidthTest, FollowsPreferencesAndScreen) {
  const WidthCase c = GetParam();
  const MainWindowLayout layout =
      relayoutMainWindow({c.largeTiles, c.widestWindow}, c.screenWidth, 600, false);
  EXPECT_EQ(layout.windowWidth, c.expectedWidth);
}

INSTANTIATE_TEST_SUITE_P(
    EveryScreenCase, WindowWidthTest,
    ::testing::Values(WidthCase{true, true, 1024, 796}, WidthCase{true, false, 1024, 636},
                      WidthCase{true, false, 640, 636}, WidthCase{false, true, 640, 636},
                      WidthCase{false, false, 640, 517}, WidthCase{false, false, 1920, 636},
                      // The widest window only on a screen it fits: never off-screen.
                      WidthCase{true, true, 797, 796}, WidthCase{true, true, 796, 636},
                      WidthCase{true, true, 640, 636}, WidthCase{true, true, 600, 636},
                      WidthCase{false, true, 797, 796}, WidthCase{false, true, 641, 636},
                      // A narrower screen keeps the width the window has.
                      WidthCase{false, true, 639, 600}, WidthCase{false, false, 320, 600}));

TEST(MainWindowLayoutTest, SmallTilesMatchTheFormLayout) {
  const MainWindowLayout layout = relayoutMainWindow({}, 640, 517, false);
  EXPECT_EQ(layout.tileSize, 20);
  EXPECT_EQ(layout.rowHeight, 20);
  EXPECT_EQ(layout.lineHeight, 19);
  EXPECT_EQ(layout.panelTextSize, 9);
  for (int k = 0; k < kRowCount; ++k) {
    const RowGeometry& row = layout.rows[k];
    EXPECT_EQ(row.inputBox, (Rect{16, 144 + 20 * k, 120, 20})) << "row " << k + 1;
    EXPECT_EQ(row.valuePanel, (Rect{136, 144 + 20 * k, 33, 20})) << "row " << k + 1;
    EXPECT_EQ(row.bookButton, (Rect{176, 146 + 20 * k, 17, 17})) << "row " << k + 1;
    EXPECT_EQ(row.definitionBox, (Rect{204, 146 + 20 * k, 292, 19})) << "row " << k + 1;
  }
  EXPECT_EQ(layout.enlargedLeft, 204);
  EXPECT_EQ(layout.enlargedWidth, 294);
}

TEST(MainWindowLayoutTest, LargeTilesWidenRowsAndLowerPanels) {
  const MainWindowLayout layout = relayoutMainWindow({true, true}, 1280, 517, false);
  EXPECT_EQ(layout.tileSize, 26);
  EXPECT_EQ(layout.rowHeight, 26);
  EXPECT_EQ(layout.panelTextSize, 11);
  const RowGeometry& third = layout.rows[2];
  EXPECT_EQ(third.inputBox, (Rect{16, 196, 156, 26}));
  EXPECT_EQ(third.valuePanel, (Rect{172, 199, 33, 20}));
  EXPECT_EQ(third.bookButton, (Rect{212, 201, 17, 17}));
  EXPECT_EQ(third.definitionBox, (Rect{240, 201, 796 - 240 - 21, 19}));
}

TEST(MainWindowLayoutTest, LargeSystemFontsShrinkOnlyTheDefinitionText) {
  const MainWindowLayout small = relayoutMainWindow({}, 1024, 517, true);
  EXPECT_EQ(small.definitionTextSize, 7);
  EXPECT_EQ(small.panelTextSize, 9);
  EXPECT_EQ(relayoutMainWindow({}, 1024, 517, false).definitionTextSize, 9);
  EXPECT_EQ(relayoutMainWindow({true, false}, 1024, 517, true).definitionTextSize, 9);
}

TEST(MainWindowLayoutTest, HeightGrowsByOneRowPerWordPlusOne) {
  EXPECT_EQ(mainWindowHeight(20, 5), 301);
  EXPECT_EQ(mainWindowHeight(20, 0), 201);
  EXPECT_EQ(mainWindowHeight(20, 14), 481);
  EXPECT_EQ(mainWindowHeight(26, 5), 337);
}

TEST(MainWindowPlacementTest, CentredTenPixelsAboveTheMiddleAtEveryDraw) {
  EXPECT_EQ(repositionMainWindow({3, 900}, {517, 301}, {1024, 768}, true), (Point{254, 224}));
}

TEST(MainWindowPlacementTest, KeptOnTheScreen) {
  const Size window{517, 301};
  const Size screen{1024, 768};
  EXPECT_EQ(repositionMainWindow({100, 100}, window, screen, false), (Point{100, 100}));
  EXPECT_EQ(repositionMainWindow({100, 467}, window, screen, false), (Point{100, 467}));
  EXPECT_EQ(repositionMainWindow({100, 468}, window, screen, false), (Point{100, 462}));
  EXPECT_EQ(repositionMainWindow({508, 10}, window, screen, false), (Point{505, 10}));
  EXPECT_EQ(repositionMainWindow({507, 10}, window, screen, false), (Point{507, 10}));
}

TEST(MainWindowPlacementTest, StartupUsesSavedPlaceUnlessCentred) {
  EXPECT_EQ(startupPlacement({40, -30}, {517, 186}, {1024, 768}, false), (Point{40, -30}));
  EXPECT_EQ(startupPlacement({40, -30}, {517, 186}, {1024, 768}, true), (Point{254, 291}));
}

TEST(MainWindowPlacementTest, ShownWithANegativeTopAtTen) {
  EXPECT_EQ(formShowPlacement({40, -30}), (Point{40, 10}));
  EXPECT_EQ(formShowPlacement({-40, 0}), (Point{-40, 0}));
}

TEST(StatusPanelsTest, LaidFromTheRightEdgeOverlappingByOnePixel) {
  const StatusPanels panels = statusPanels(517);
  EXPECT_EQ(panels.bigTotal.right(), 515);
  EXPECT_EQ(panels.total.right(), panels.bigTotal.left + 1);
  EXPECT_EQ(panels.clock.right(), panels.total.left + 1);
  EXPECT_EQ(panels.clock.top, 2);
  EXPECT_EQ(panels.total.top, panels.clock.top);
}

}  // namespace
}  // namespace vorlane
