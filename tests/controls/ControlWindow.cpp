#include "controls/ControlWindow.h"

#include <QTest>

namespace vorlane::test {

ControlWindow::ControlWindow() { resize(400, 120); }

bool ControlWindow::showActive() {
  show();
  activateWindow();
  return QTest::qWaitForWindowExposed(this) && QTest::qWaitForWindowActive(this);
}

void ControlWindow::keyPressEvent(QKeyEvent* event) { keysSeen.append(event->key()); }

PaintRecorder::PaintRecorder(QWidget* target) : QObject(target) {
  target->installEventFilter(this);
}

void PaintRecorder::clear() {
  QTest::qWait(30);
  regions.clear();
}

QRegion PaintRecorder::painted() {
  QTest::qWait(30);
  QRegion all;
  for (const QRegion& region : regions) all += region;
  return all;
}

bool PaintRecorder::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint) regions.append(static_cast<QPaintEvent*>(event)->region());
  return false;
}

QRgb pixel(const QImage& image, int x, int y) { return image.pixel(x, y); }

}  // namespace vorlane::test
