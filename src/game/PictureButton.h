#pragma once

#include <QLabel>

#include <functional>

namespace vorlane {

// A picture that acts as a button (MOT !, FIN !, their eyes, the hint and book buttons):
// it reports presses, releases and pointer moves, and shows the pressed look by moving
// 2 pixels right and down from its resting place.
class PictureButton : public QLabel {
 public:
  using MouseHandler = std::function<void(QMouseEvent*)>;

  explicit PictureButton(QWidget* parent);

  // The resting place; the pressed look is drawn 2 pixels right and down from it.
  void place(const QRect& rect);
  void setPressed(bool pressed);
  bool pressed() const { return pressed_; }

  void onPress(MouseHandler handler) { onPress_ = std::move(handler); }
  void onRelease(MouseHandler handler) { onRelease_ = std::move(handler); }
  void onMove(MouseHandler handler) { onMove_ = std::move(handler); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QRect rest_;
  bool pressed_ = false;
  MouseHandler onPress_;
  MouseHandler onRelease_;
  MouseHandler onMove_;
};

}  // namespace vorlane
