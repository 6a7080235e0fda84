#pragma once

#include <array>

namespace vorlane {

// Geometry of the main window, in client pixels. The core decides every place and size;
// the window only applies them.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int left = 0;
  int top = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

inline constexpr int kRowCount = 14;
// Window height without rows (the outer height of the window as laid out).
inline constexpr int kBaseHeight = 186;
inline constexpr int kFormWidth = 517;
inline constexpr int kMiddleWidth = 636;
inline constexpr int kWidestWidth = 796;
// A screen exactly this wide keeps the narrower pair of widths.
inline constexpr int kSmallScreenWidth = 640;
inline constexpr int kStatusBarHeight = 19;

// One row: input box, value panel, book button and definition box.
struct RowGeometry {
  Rect inputBox;
  Rect valuePanel;
  Rect bookButton;
  Rect definitionBox;
  bool operator==(const RowGeometry&) const = default;
};

// What `relayoutMainWindow` sets. Text sizes are in points.
struct MainWindowLayout {
  int windowWidth = kFormWidth;
  int tileSize = 20;
  int rowHeight = 20;
  // The same at every relayout.
  int lineHeight = 19;
  int panelTextSize = 9;
  int definitionTextSize = 9;
  std::array<RowGeometry, kRowCount> rows{};
  // The enlarged definition `Memo15`: its top and height are set each time it is shown.
  int enlargedLeft = 0;
  int enlargedWidth = 0;
  bool operator==(const MainWindowLayout&) const = default;
};

// The two preference flags "Grande police" and "Largeur maximum".
struct LayoutPreferences {
  bool largeTiles = false;
  bool widestWindow = false;
  bool operator==(const LayoutPreferences&) const = default;
};

// `relayoutMainWindow`. A screen narrower than 640 pixels leaves the width as it is
// (`currentWidth`); `largeFonts` (the system uses large fonts) makes the definition text
// 2 points smaller.
MainWindowLayout relayoutMainWindow(LayoutPreferences preferences, int screenWidth,
                                    int currentWidth, bool largeFonts);

// Window height for a draw: base height + row height × (rows + 1) − 5, so a draw of 5
// rows of 20 pixels gives 301.
int mainWindowHeight(int rowHeight, int rowCount);

// `repositionMainWindow`'s placement: centred 10 pixels above the middle when
// `alwaysCentred`, otherwise moved back onto the screen when it passes its bottom or
// right edge.
Point repositionMainWindow(Point current, Size window, Size screen, bool alwaysCentred);

// Start-up placement: centred (without the 10 pixels) when `alwaysCentred`, else at the
// saved top and left.
Point startupPlacement(Point saved, Size window, Size screen, bool alwaysCentred);

// `FormShow`: a negative top opens at 10.
Point formShowPlacement(Point current);

// The three panels of the status bar, from its right edge, 2 pixels below its top.
struct StatusPanels {
  Rect clock;
  Rect total;
  Rect bigTotal;
  bool operator==(const StatusPanels&) const = default;
};
inline constexpr int kClockWidth = 41;
inline constexpr int kTotalWidth = 41;
inline constexpr int kBigTotalWidth = 49;
inline constexpr int kStatusPanelHeight = 15;
StatusPanels statusPanels(int statusBarWidth);

}  // namespace vorlane
