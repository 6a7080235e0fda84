#include "controls/TForm2.h"

#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/IoErrorReport.h"
#include "controls/BackgroundRules.h"
#include "controls/ColorRef.h"
#include "data/IoError.h"
#include "platform/GameFonts.h"

namespace vorlane {

TForm2::TForm2(const Settings& settings, const ColourTable& colourTable, QWidget* mainWindow,
               QMenu* menu)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      mainWindow_(mainWindow),
      menu_(menu) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  // The game ends with its main window, whether the background shows or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAutoFillBackground(true);
  setWindowColour(kSilver);
  setGeometry(0, 0, kBackgroundWidth, kBackgroundHeight);
  largeFonts_ = measureLargeFonts();
  // A damaged settings file is reported; the background then stays hidden.
  try {
    patternIndex_ = settings.readSetting(setting::kPattern);
    if (patternIndex_ == kPlainColour) setWindowColour(colourTable[1]);
    if (settings.readSetting(setting::kBackgroundShown) == 1) show();
  } catch (const IoError& error) {
    reportIoError(error);
  }
}

// "Label1" in the window's font: 14 pixels high at 120 pixels per inch, scaled to the
// screen's logical resolution. Without "MS Sans Serif" the game's sans-serif face stands
// in, whose widths are close to it (the desktop's default face is wider, and would make
// every screen a large-font one).
bool TForm2::measureLargeFonts() const {
  QFont font;
  font.setFamily(installedFamilyOrStandIn(QStringLiteral("MS Sans Serif")));
  const int dpi = screen() ? static_cast<int>(screen()->logicalDotsPerInchY()) : kDesignDpi;
  font.setPixelSize(scaledFontPixels(kDesignFontPixels, dpi));
  return largeFontsFor(QFontMetrics(font).boundingRect(QStringLiteral("Label1")).width());
}

// The window type reaches the X server only once the native window exists: set before, it
// is lost and the window manager lists an ordinary window. A background that stays hidden,
// as most do, never makes one.
void TForm2::setVisible(bool visible) {
  if (visible && !testAttribute(Qt::WA_WState_Created)) {
    create();
    setAttribute(Qt::WA_X11NetWmWindowTypeDesktop);
  }
  QWidget::setVisible(visible);
}

void TForm2::setPatternIndex(int index) {
  if (index == patternIndex_) return;
  patternIndex_ = index;
  patternBitmap_ = QPixmap();
  patternRead_ = false;
}

Colour TForm2::windowColour() const { return colorToRef(palette().color(QPalette::Window)); }

void TForm2::setWindowColour(Colour colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colorFromRef(colour));
  setPalette(colours);
}

void TForm2::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  switch (backgroundPaintFor(patternIndex_)) {
    case BackgroundPaint::tiles:
      paintTiles(painter);
      break;
    case BackgroundPaint::gradient:
      paintGradient(painter);
      break;
    case BackgroundPaint::windowColour:
      break;
  }
}

void TForm2::paintTiles(QPainter& painter) {
  if (!patternRead_ && patternSource_) {
    patternBitmap_ = patternSource_(patternIndex_);
    patternRead_ = true;
  }
  if (patternBitmap_.isNull()) return;
  const TileGrid grid =
      tileGrid(width(), height(), patternBitmap_.width(), patternBitmap_.height());
  for (int row = 0; row < grid.rows; ++row)
    for (int column = 0; column < grid.columns; ++column)
      painter.drawPixmap(column * patternBitmap_.width(), row * patternBitmap_.height(),
                         patternBitmap_);
}

void TForm2::paintGradient(QPainter& painter) {
  for (const Band& band : gradientBands(patternIndex_, height()))
    painter.fillRect(0, band.top, width(), band.height, colorFromRef(band.colour));
}

void TForm2::mousePressEvent(QMouseEvent* event) {
  if (mainWindow_) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
  if (event->button() == Qt::RightButton && menu_) menu_->popup(event->globalPosition().toPoint());
  event->accept();
}

}  // namespace vorlane
