#pragma once

#include <filesystem>
#include <functional>
#include <string>

class QWidget;

namespace vorlane {

// The folder-selection dialog: Qt's own dialog for an existing folder, which can create a
// new one; a name typed for a folder that does not exist is created after the player
// confirms. Its help button calls `openHelp`. Empty when the player gives up.
std::filesystem::path chooseFolder(QWidget* parent, const std::filesystem::path& start,
                                   const std::function<void()>& openHelp);

}  // namespace vorlane
