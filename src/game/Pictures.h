#pragma once

#include <QPixmap>
#include <QString>

namespace vorlane {

// The game's pictures, Qt resources ":/pictures/<name>.svg" drawn at the size asked (in
// device-independent pixels) on a transparent ground, with as many pixels as the screen's
// device pixel ratio gives them: sharp at any scale.
QPixmap loadPicture(const QString& name, QSize size, qreal devicePixelRatio);

}  // namespace vorlane
