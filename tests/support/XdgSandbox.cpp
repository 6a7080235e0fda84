#include "support/XdgSandbox.h"

#include "platform/FreedesktopMenu.h"

#include <algorithm>
#include <cstdlib>

namespace fs = std::filesystem;

namespace vorlane::test {

XdgSandbox::XdgSandbox() {
  for (const fs::path& folder : {configHome(), dataHome(), configDir(), dataDir()})
    fs::create_directories(folder);
  set("XDG_CONFIG_HOME", configHome().string());
  set("XDG_DATA_HOME", dataHome().string());
  set("XDG_CONFIG_DIRS", configDir().string());
  set("XDG_DATA_DIRS", dataDir().string());
  set("BROWSER", std::nullopt);
  set("XDG_MENU_PREFIX", std::nullopt);
}

XdgSandbox::~XdgSandbox() {
  for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
    if (it->second)
      setenv(it->first.c_str(), it->second->c_str(), 1);
    else
      unsetenv(it->first.c_str());
  }
}

void XdgSandbox::set(const char* name, const std::optional<std::string>& value) {
  const char* former = std::getenv(name);
  saved_.emplace_back(name, former ? std::optional<std::string>(former) : std::nullopt);
  if (value)
    setenv(name, value->c_str(), 1);
  else
    unsetenv(name);
}

void XdgSandbox::installSystemMenu() const {
  root_.writeFile("etc-xdg/menus/applications.menu",
                  std::string(kMenuDoctype) +
                  "<Menu>\n"
                  "  <Name>Applications</Name>\n"
                  "  <DefaultAppDirs/>\n"
                  "  <DefaultDirectoryDirs/>\n"
                  "  <DefaultMergeDirs/>\n"
                  "</Menu>\n");
}

std::vector<std::string> XdgSandbox::userFiles() const {
  std::vector<std::string> files;
  std::error_code ec;
  for (const fs::path& folder : {configHome(), dataHome()})
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (it->is_regular_file()) files.push_back(it->path().lexically_relative(root_.path()));
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace vorlane::test
