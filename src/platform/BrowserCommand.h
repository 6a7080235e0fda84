#pragma once

#include <string>

#include "platform/XdgDirectories.h"

namespace vorlane {

// `FindBrowser`: the open command of the desktop's web browser, or an empty text. $BROWSER
// when it is set (its first command when it lists several, separated by ":"); else the
// Exec line (unescaped) of the desktop entry the desktop opens HTML documents with: for
// text/html, then application/xhtml+xml, then x-scheme-handler/http, the "Default
// Applications" of the mimeapps.list files, then their "Added Associations", then the
// mimeinfo.cache files, the user's files before the system's. An entry must be installed
// (found in an applications folder), not hidden, and have an Exec line.
std::string findBrowserCommand(const XdgDirectories& folders);

}  // namespace vorlane
