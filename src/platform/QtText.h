#pragma once

#include <QString>

#include <string>

namespace vorlane {

// The one conversion of game text (Windows-1252 bytes) to what Qt shows, at the moment a
// text is shown; and its twin for a text the player typed.
QString toQString(const std::string& win1252);
std::string fromQString(const QString& text);

}  // namespace vorlane
