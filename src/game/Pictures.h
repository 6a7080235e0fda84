#pragma once

#include <QPixmap>
#include <QString>

namespace vorlane {

// The game's pictures, Qt resources ":/pictures/<name>.svg" drawn at the size asked.
// A picture missing from the resources is drawn as a plain raised tile with `caption`,
// so the game stays playable with a partial picture set.
QPixmap loadPicture(const QString& name, QSize size, const QString& caption = {});

}  // namespace vorlane
