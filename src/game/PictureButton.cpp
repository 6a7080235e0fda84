#include "game/PictureButton.h"

#include <QMouseEvent>

namespace vorlane {
namespace {

constexpr QPoint kPressOffset(2, 2);

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void PictureButton::place(const QRect& rect) {
  rest_ = rect;
  setGeometry(pressed_ ? rect.translated(kPressOffset) : rect);
}

void PictureButton::setPressed(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  place(rest_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
  if (onPress_ && isEnabled()) onPress_(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
  if (onRelease_ && isEnabled()) onRelease_(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
  if (onMove_) onMove_(event);
}

}  // namespace vorlane
