#include "controls/Tkey_in.h"

namespace vorlane {

Tkey_in::Tkey_in(QWidget* parent) : KeyedTileRow(parent) {}

}  // namespace vorlane
