#pragma once

#include <QFont>
#include <QString>

namespace vorlane {

// The faces the game's windows name for their text, asked for by a name the font database
// holds. A face that is not installed is replaced by Liberation Sans, Arial's metric twin
// (the package's font): asked for a face it lacks, Qt would have fontconfig sort every
// installed font for a stand-in, once for each size and weight a window uses, which costs
// each window milliseconds before it shows.
QString installedFamilyOrStandIn(const QString& family);

// Arial where it is installed, else Liberation Sans.
QString arialFamily();

// Arial, `pixels` high, bold or regular; at 0 pixels, a widget it is set on keeps its size.
QFont arialFont(int pixels, bool bold);

}  // namespace vorlane
