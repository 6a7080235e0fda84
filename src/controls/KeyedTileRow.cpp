#include "controls/KeyedTileRow.h"

#include <QKeyEvent>

namespace vorlane {

void KeyedTileRow::handleKey(int, Qt::KeyboardModifiers) {}

void KeyedTileRow::keyPressEvent(QKeyEvent* event) {
  if (leavesToWindow(*event)) {
    event->ignore();
    return;
  }
  const Qt::KeyboardModifiers shift = shiftState(event->modifiers());
  int key = event->key();
  emit OnKeydown(key, shift);
  if (key != 0) handleKey(key, shift);
  if (auto typed = typedCharacter(*event)) {
    char ch = *typed;
    emit OnKeyPress(ch);
  }
}

void KeyedTileRow::keyReleaseEvent(QKeyEvent* event) {
  if (leavesToWindow(*event)) {
    event->ignore();
    return;
  }
  // A held key repeats its key-down, not its key-up.
  if (event->isAutoRepeat()) return;
  int key = event->key();
  emit OnKeyup(key, shiftState(event->modifiers()));
}

}  // namespace vorlane
