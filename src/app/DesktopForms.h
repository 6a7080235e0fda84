#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>

namespace vorlane {

// The command-line forms that the items of the applications menu run; the game itself does
// not start:
//   Vorlane --aide [file]  only the help viewer, on `file` (the game's help file when none
//                          is given) at its topic "sommaire"; the program ends with it.
//   Vorlane --web          the game's home page in the desktop's browser, or the box
//                          "Connexion impossible..." when none can be started.
// Gives the exit code when `arguments` (the program first) name such a form.
std::optional<int> runDesktopForm(const QStringList& arguments,
                                  const std::filesystem::path& programFolder);

}  // namespace vorlane
