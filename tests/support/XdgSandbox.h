#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempFolder.h"

namespace vorlane::test {

// Points the desktop's folders (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CONFIG_DIRS,
// XDG_DATA_DIRS) at empty folders under a temporary one and unsets BROWSER and
// XDG_MENU_PREFIX, for the life of the object; the former values come back afterwards.
// Nothing a test does reaches the menus or browser settings of the machine.
class XdgSandbox {
 public:
  XdgSandbox();
  ~XdgSandbox();
  XdgSandbox(const XdgSandbox&) = delete;
  XdgSandbox& operator=(const XdgSandbox&) = delete;

  std::filesystem::path configHome() const { return root_.path() / "config"; }
  std::filesystem::path dataHome() const { return root_.path() / "data"; }
  std::filesystem::path configDir() const { return root_.path() / "etc-xdg"; }
  std::filesystem::path dataDir() const { return root_.path() / "share"; }
  const TempFolder& root() const { return root_; }

  // Sets (or, with nothing, unsets) one variable until the sandbox ends.
  void set(const char* name, const std::optional<std::string>& value);
  // A system applications menu that merges the user's menu files, as desktops install one.
  void installSystemMenu() const;
  // Every file under the user's two folders, relative to the sandbox, sorted.
  std::vector<std::string> userFiles() const;

 private:
  TempFolder root_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace vorlane::test
