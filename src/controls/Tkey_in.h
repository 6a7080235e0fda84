#pragma once

#include "controls/KeyedTileRow.h"

namespace vorlane {

// The letter input box: a passive tile row. It draws every tile alike, focus or not,
// raises the mouse and key events and reacts to none of them: a press takes neither the
// tile nor the focus, Left and Right are claimed from the window but move nothing.
class Tkey_in : public KeyedTileRow {
  Q_OBJECT

 public:
  explicit Tkey_in(QWidget* parent = nullptr);
};

}  // namespace vorlane
