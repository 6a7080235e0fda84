#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

#include "data/Settings.h"

class QMenu;

namespace vorlane {

// The background window: a frameless window of 1200 × 1000 pixels at the screen's
// top-left corner, below the main window, hiding the desktop with the background the
// player chose (a gradient, a tiled pattern or a plain colour). A press on it brings the
// main window to the front; a right-click opens the main window's menu.
class TForm2 : public QWidget {
 public:
  // Reads the background (record 1) and its visibility (record 5); `colourTable` is the
  // main window's, already loaded. `mainWindow` and `menu` are the main window's.
  TForm2(const Settings& settings, const ColourTable& colourTable, QWidget* mainWindow,
         QMenu* menu);

  // The picture of pattern `index`, tiled while a pattern is chosen. The window asks for it
  // when it first paints that pattern, so a background that stays hidden reads no picture;
  // an empty picture is not tiled.
  using PatternSource = std::function<QPixmap(int index)>;
  void setPatternSource(PatternSource source) { patternSource_ = std::move(source); }
  int patternIndex() const { return patternIndex_; }
  void setPatternIndex(int index);
  Colour windowColour() const;
  void setWindowColour(Colour colour);
  // The system uses large fonts: measured once, when the window is created.
  bool largeFonts() const { return largeFonts_; }
  // A desktop-like window: below every other window, never in the task bar, never over
  // the panels of the desktop. Its native window is made when it first shows.
  void setVisible(bool visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintTiles(QPainter& painter);
  void paintGradient(QPainter& painter);
  bool measureLargeFonts() const;

  QWidget* mainWindow_;
  QMenu* menu_;
  int patternIndex_ = 0;
  PatternSource patternSource_;
  QPixmap patternBitmap_;
  bool patternRead_ = false;
  bool largeFonts_ = false;
};

}  // namespace vorlane
