#pragma once

#include <QPixmap>
#include <QString>

namespace vorlane {

// The game's pictures, Qt resources ":/pictures/<name>.svg" drawn at the size asked on a
// transparent ground.
QPixmap loadPicture(const QString& name, QSize size);

}  // namespace vorlane
