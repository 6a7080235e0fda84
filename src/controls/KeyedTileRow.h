#pragma once

#include "controls/TileRowWidget.h"

namespace vorlane {

// A tile row that raises its keys to the owner: the letter keyboard and the letter input
// box. Connect the key signals directly (the default for a control in the owner's thread):
// a handler that changes `key` or `ch` changes what the control goes on with.
//
// A key going down raises OnKeydown first; a handler that sets `key` to 0 suppresses the
// control's own handling of it. A key that types a character (Windows-1252 byte; Backspace
// types 8) then raises OnKeyPress, which the control does not handle itself. Enter,
// Escape, Tab, Up and Down are left to the window and raise nothing here.
class KeyedTileRow : public TileRowWidget {
  Q_OBJECT

 signals:
  void OnKeydown(int& key, Qt::KeyboardModifiers shift);
  void OnKeyPress(char& ch);
  void OnKeyup(int& key, Qt::KeyboardModifiers shift);

 protected:
  using TileRowWidget::TileRowWidget;

  // The control's own reaction to a key (a Qt::Key) after OnKeydown: none by default.
  virtual void handleKey(int key, Qt::KeyboardModifiers shift);

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

}  // namespace vorlane
