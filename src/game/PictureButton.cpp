#include "game/PictureButton.h"

#include <QAccessibleWidget>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include "game/Pictures.h"

namespace vorlane {
namespace {

constexpr QPoint kPressOffset(2, 2);

int doubleClickInterval() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }

// A screen reader hears a button, by the name the window gives it ("MOT !", "Définition du
// mot 3"), not a picture.
QAccessibleInterface* pictureButtonFactory(const QString&, QObject* object) {
  if (auto* button = dynamic_cast<PictureButton*>(object))
    return new QAccessibleWidget(button, QAccessible::Button);
  return nullptr;
}

}  // namespace

qint64 PictureButton::lastReleaseAt_ = -1;

qint64 PictureButton::now() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.elapsed();
}

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) {
  static const bool accessible = [] {
    QAccessible::installFactory(pictureButtonFactory);
    return true;
  }();
  (void)accessible;
  setMouseTracking(true);
}

void PictureButton::place(const QRect& rect) {
  rest_ = rect;
  setGeometry(pressed_ ? rect.translated(kPressOffset) : rect);
}

void PictureButton::setPicture(const QString& name) {
  if (picture_ == name && (pictureDue_ || !pixmap().isNull())) return;
  picture_ = name;
  drawPictureWhenShown();
}

// A hidden picture is drawn when it shows: most of the window's pictures wait for a draw or
// a hint, and the window's start does not draw them.
void PictureButton::drawPictureWhenShown() {
  pictureDue_ = !isVisible();
  if (!pictureDue_ && !picture_.isEmpty())
    setPixmap(loadPicture(picture_, rest_.size(), devicePixelRatioF()));
}

bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::ScreenChangeInternal) drawPictureWhenShown();
  return QLabel::event(event);
}

void PictureButton::setPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  place(rest_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  pressTaken_ = isEnabled() && !justShown();
  if (onPress_ && pressTaken_) onPress_(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool taken = pressTaken_ && isEnabled();
  pressTaken_ = false;
  if (!taken) return;
  lastReleaseAt_ = now();
  if (onRelease_) onRelease_(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  if (onMove_) onMove_(event);
}

void PictureButton::showEvent(QShowEvent* event) {
  const qint64 at = now();
  const bool afterRelease = lastReleaseAt_ >= 0 && at - lastReleaseAt_ < doubleClickInterval();
  appearedAt_ = afterRelease ? at : -1;
  if (pictureDue_) drawPictureWhenShown();
  QLabel::showEvent(event);
}

bool PictureButton::justShown() const {
  return appearedAt_ >= 0 && now() - appearedAt_ < doubleClickInterval();
}

}  // namespace vorlane
