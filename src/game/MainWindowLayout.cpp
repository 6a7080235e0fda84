#include "game/MainWindowLayout.h"

namespace vorlane {
namespace {

constexpr int kInputLeft = 16;
constexpr int kFirstRowTop = 144;
constexpr int kTilesPerRow = 6;
constexpr int kValuePanelWidth = 33;
constexpr int kValuePanelHeight = 20;
constexpr int kBookSize = 17;
constexpr int kBookGap = 7;
constexpr int kDefinitionGap = 11;
constexpr int kDefinitionRightMargin = 21;
constexpr int kLargeTileSize = 26;
constexpr int kTileSize = 20;
constexpr int kLargeTextSize = 11;
constexpr int kTextSize = 9;
constexpr int kLargeFontReduction = 2;
// Pixels added to the outer height by one row beyond those drawn, minus the border.
constexpr int kHeightAdjustment = 5;
constexpr int kCentringLift = 10;
constexpr int kBottomMargin = 5;
constexpr int kRightMargin = 2;
constexpr int kShownTopMinimum = 10;
constexpr int kStatusPanelTop = 2;

// The widest window only where it fits: on a screen narrower than it (a screen of 640
// pixels with large tiles, as a scaled screen of 1280 real pixels is) MOT ! and the rows
// would be off-screen, so the middle width takes its place.
int windowWidthFor(LayoutPreferences preferences, int screenWidth, int currentWidth) {
  const int widest = screenWidth > kWidestWidth ? kWidestWidth : kMiddleWidth;
  if (preferences.largeTiles) return preferences.widestWindow ? widest : kMiddleWidth;
  if (screenWidth < kSmallScreenWidth) return currentWidth;
  if (screenWidth == kSmallScreenWidth) return preferences.widestWindow ? kMiddleWidth : kFormWidth;
  return preferences.widestWindow ? widest : kMiddleWidth;
}

RowGeometry rowAt(int k, const MainWindowLayout& layout, int panelOffset) {
  RowGeometry row;
  row.inputBox = {kInputLeft, kFirstRowTop + k * layout.tileSize, kTilesPerRow * layout.tileSize,
                  layout.tileSize};
  row.valuePanel = {row.inputBox.left + kTilesPerRow * layout.tileSize,
                    row.inputBox.top + panelOffset, kValuePanelWidth, kValuePanelHeight};
  row.bookButton = {row.valuePanel.right() + kBookGap, row.valuePanel.top + 2, kBookSize,
                    kBookSize};
  const int definitionLeft = row.bookButton.right() + kDefinitionGap;
  row.definitionBox = {definitionLeft, row.bookButton.top,
                       layout.windowWidth - definitionLeft - kDefinitionRightMargin,
                       layout.lineHeight};
  return row;
}

}  // namespace

MainWindowLayout relayoutMainWindow(LayoutPreferences preferences, int screenWidth,
                                    int currentWidth, bool largeFonts) {
  MainWindowLayout layout;
  layout.windowWidth = windowWidthFor(preferences, screenWidth, currentWidth);
  layout.tileSize = preferences.largeTiles ? kLargeTileSize : kTileSize;
  layout.rowHeight = layout.tileSize;
  layout.panelTextSize = preferences.largeTiles ? kLargeTextSize : kTextSize;
  layout.definitionTextSize = layout.panelTextSize - (largeFonts ? kLargeFontReduction : 0);
  const int panelOffset = preferences.largeTiles ? 3 : 0;
  for (int k = 0; k < kRowCount; ++k) layout.rows[k] = rowAt(k, layout, panelOffset);
  layout.enlargedLeft = layout.rows.front().definitionBox.left;
  layout.enlargedWidth = layout.rows.front().definitionBox.width + 2;
  return layout;
}

int mainWindowHeight(int rowHeight, int rowCount) {
  return kBaseHeight + rowHeight * (rowCount + 1) - kHeightAdjustment;
}

Point repositionMainWindow(Point current, Size window, Size screen, bool alwaysCentred) {
  if (alwaysCentred)
    return {screen.width / 2 - window.width / 2,
            screen.height / 2 - window.height / 2 - kCentringLift};
  Point placed = current;
  if (placed.top + window.height > screen.height)
    placed.top = screen.height - window.height - kBottomMargin;
  if (placed.left + window.width > screen.width)
    placed.left = screen.width - window.width - kRightMargin;
  return placed;
}

Point startupPlacement(Point saved, Size window, Size screen, bool alwaysCentred) {
  if (alwaysCentred)
    return {screen.width / 2 - window.width / 2, screen.height / 2 - window.height / 2};
  return saved;
}

Point formShowPlacement(Point current) {
  if (current.top < 0) current.top = kShownTopMinimum;
  return current;
}

StatusPanels statusPanels(int statusBarWidth) {
  StatusPanels panels;
  panels.bigTotal = {statusBarWidth - kBigTotalWidth - 2, kStatusPanelTop, kBigTotalWidth,
                     kStatusPanelHeight};
  panels.total = {panels.bigTotal.left - kTotalWidth + 1, kStatusPanelTop, kTotalWidth,
                  kStatusPanelHeight};
  panels.clock = {panels.total.left - kClockWidth + 1, kStatusPanelTop, kClockWidth,
                  kStatusPanelHeight};
  return panels;
}

}  // namespace vorlane
