#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vorlane {

// The game's pictures, Qt resources ":/pictures/<name>.svg" drawn at the size asked (in
// device-independent pixels) on a transparent ground, with as many pixels as the screen's
// device pixel ratio gives them: sharp at any scale.
QPixmap loadPicture(const QString& name, QSize size, qreal devicePixelRatio);

// The game's icon "vorlane" drawn at the sizes a window manager is given (16 to 128
// pixels): as an SVG file, the icon would load Qt's SVG icon plugin and draw each size
// from a fresh parse when the window is first shown.
QIcon gameIcon();

}  // namespace vorlane
