#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vorlane {

// Where the freedesktop desktops keep the user's and the system's configuration and
// data, and the user's browser command, as the environment gives them when asked.
struct XdgDirectories {
  std::filesystem::path configHome;               // $XDG_CONFIG_HOME, else ~/.config
  std::vector<std::filesystem::path> configDirs;  // $XDG_CONFIG_DIRS, else /etc/xdg
  std::filesystem::path dataHome;                 // $XDG_DATA_HOME, else ~/.local/share
  std::vector<std::filesystem::path> dataDirs;  // $XDG_DATA_DIRS, else /usr/local/share:/usr/share
  std::string browser;                          // $BROWSER; empty when unset

  // Unset or empty variables take their defaults; relative paths are ignored. Without a
  // home folder the two home folders stay empty.
  static XdgDirectories fromEnvironment();
};

}  // namespace vorlane
