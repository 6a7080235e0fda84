#include "prefs/ColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>

namespace vorlane {
namespace {

constexpr int kFewColoursBits = 8;

}  // namespace

// The dialog lays out, in this order, the basic colours and their caption, then the
// screen picker, the custom colours, the spectrum and the value fields, then its buttons.
void offerBasicColoursOnly(QColorDialog& dialog) {
  bool wellKept = false;
  bool captionKept = false;
  for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const bool well = QByteArray(child->metaObject()->className()).endsWith("QWellArray");
    const bool caption = qobject_cast<QLabel*>(child) != nullptr;
    if (qobject_cast<QDialogButtonBox*>(child)) continue;
    if (well && !wellKept) {
      wellKept = true;
      continue;
    }
    if (caption && wellKept && !captionKept) {
      captionKept = true;
      continue;
    }
    child->hide();
  }
  dialog.adjustSize();
}

std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial, int screenBits) {
  QColorDialog dialog(initial, parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setWindowTitle(QStringLiteral("Couleur"));
  if (screenBits <= kFewColoursBits) offerBasicColoursOnly(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedColor();
}

}  // namespace vorlane
