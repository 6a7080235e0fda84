#include "platform/XdgDirectories.h"

#include <cstdlib>
#include <string_view>

namespace fs = std::filesystem;

namespace vorlane {
namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

fs::path homeFolder(const char* name, const char* underHome) {
  const fs::path value = variable(name);
  if (value.is_absolute()) return value;
  const fs::path home = variable("HOME");
  return home.is_absolute() ? home / underHome : fs::path();
}

std::vector<fs::path> folderList(const char* name, std::string_view fallback) {
  std::string value = variable(name);
  if (value.empty()) value = fallback;
  std::vector<fs::path> folders;
  std::size_t start = 0;
  while (start <= value.size()) {
    auto end = value.find(':', start);
    if (end == std::string::npos) end = value.size();
    const fs::path folder = value.substr(start, end - start);
    if (folder.is_absolute()) folders.push_back(folder);
    start = end + 1;
  }
  return folders;
}

}  // namespace

XdgDirectories XdgDirectories::fromEnvironment() {
  XdgDirectories directories;
  directories.configHome = homeFolder("XDG_CONFIG_HOME", ".config");
  directories.configDirs = folderList("XDG_CONFIG_DIRS", "/etc/xdg");
  directories.dataHome = homeFolder("XDG_DATA_HOME", ".local/share");
  directories.dataDirs = folderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
  directories.browser = variable("BROWSER");
  return directories;
}

}  // namespace vorlane
