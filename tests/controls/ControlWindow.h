#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QList>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include <memory>

namespace vorlane::test {

// A shown, active top-level window for the controls under test. It records the keys
// that its children leave to it.
class ControlWindow : public QWidget {
 public:
  ControlWindow();

  // Shows the window and waits until it is exposed and active; false when it never was.
  bool showActive();

  QList<int> keysSeen;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// Records the regions of the paint events a widget receives.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* target);

  // Drops what was recorded so far, after letting pending paints happen.
  void clear();
  // Waits for pending paints and returns the union of their regions.
  QRegion painted();

  QList<QRegion> regions;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The colour of a pixel, as QColor::rgb() gives it.
QRgb pixel(const QImage& image, int x, int y);

}  // namespace vorlane::test
