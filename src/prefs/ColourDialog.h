#pragma once

#include <QColor>

#include <optional>

class QColorDialog;
class QWidget;

namespace vorlane {

// The colour dialog, starting on `initial`; nothing when the player cancels. With a
// screen of 8 bits per pixel or fewer it offers only its basic colours.
std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial, int screenBits);

// Hides everything of the dialog but its basic colours and its buttons.
void offerBasicColoursOnly(QColorDialog& dialog);

}  // namespace vorlane
