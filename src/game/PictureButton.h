#pragma once

#include <QLabel>

#include <functional>

namespace vorlane {

// A picture that acts as a button (MOT !, FIN !, their eyes, the hint and book buttons):
// it reports presses, releases and pointer moves, and shows the pressed look by moving
// 2 pixels right and down from its resting place. A picture that appears because another
// one was released takes no click for a double-click interval: FIN ! replaces MOT ! at the
// same place, and the second click of a double click on MOT ! is not meant for it. A
// release reaches the owner only after a press that did.
class PictureButton : public QLabel {
 public:
  using MouseHandler = std::function<void(QMouseEvent*)>;

  explicit PictureButton(QWidget* parent);

  // The resting place; the pressed look is drawn 2 pixels right and down from it.
  void place(const QRect& rect);
  // The picture ":/pictures/<name>.svg", drawn at the size of the resting place and at the
  // screen's device pixel ratio, again when the button moves to another screen; a hidden
  // button draws it when it shows.
  void setPicture(const QString& name);
  const QString& picture() const { return picture_; }
  void setPressed(bool pressed);
  bool pressed() const { return pressed_; }

  void onPress(MouseHandler handler) { onPress_ = std::move(handler); }
  void onRelease(MouseHandler handler) { onRelease_ = std::move(handler); }
  void onMove(MouseHandler handler) { onMove_ = std::move(handler); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void drawPictureWhenShown();
  bool justShown() const;
  static qint64 now();

  QRect rest_;
  QString picture_;
  bool pictureDue_ = false;
  bool pressed_ = false;
  bool pressTaken_ = false;
  qint64 appearedAt_ = -1;  // ms on now()'s clock; -1 unless it appeared after a release
  static qint64 lastReleaseAt_;
  MouseHandler onPress_;
  MouseHandler onRelease_;
  MouseHandler onMove_;
};

}  // namespace vorlane
