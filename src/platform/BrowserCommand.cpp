#include "platform/BrowserCommand.h"

#include <array>
#include <optional>
#include <set>
#include <vector>

#include "platform/DesktopEntry.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

// The HTML documents' types, in the order the extensions .htm, .html, .shtml and .shtm
// lead to them, and the web addresses'.
constexpr std::array<std::string_view, 3> kHtmlTypes = {"text/html", "application/xhtml+xml",
                                                        "x-scheme-handler/http"};

std::vector<fs::path> applicationFolders(const XdgDirectories& folders) {
  std::vector<fs::path> list{folders.dataHome / "applications"};
  for (const fs::path& folder : folders.dataDirs) list.push_back(folder / "applications");
  return list;
}

// The mimeapps.list files, the most important first.
std::vector<fs::path> associationLists(const XdgDirectories& folders) {
  std::vector<fs::path> lists{folders.configHome / "mimeapps.list"};
  for (const fs::path& folder : folders.configDirs) lists.push_back(folder / "mimeapps.list");
  for (const fs::path& folder : applicationFolders(folders))
    lists.push_back(folder / "mimeapps.list");
  return lists;
}

std::vector<std::string> listedFor(const fs::path& file, std::string_view group,
                                   std::string_view type) {
  const auto keys = readDesktopGroup(file, group);
  if (!keys) return {};
  const auto value = keys->find(type);
  return value == keys->end() ? std::vector<std::string>{} : splitDesktopList(value->second);
}

// The Exec line of the installed entry `id`; the first folder holding it decides.
std::optional<std::string> execOf(const std::string& id, const std::vector<fs::path>& folders) {
  for (const fs::path& folder : folders) {
    std::error_code ec;
    if (id.find('/') != std::string::npos || !fs::is_regular_file(folder / id, ec)) continue;
    const auto entry = readDesktopGroup(folder / id, "Desktop Entry");
    if (!entry || (entry->contains("Hidden") && entry->at("Hidden") == "true")) return std::nullopt;
    const auto exec = entry->find("Exec");
    if (exec == entry->end() || exec->second.empty()) return std::nullopt;
    return unescapeDesktopValue(exec->second);
  }
  return std::nullopt;
}

std::string commandFor(std::string_view type, const XdgDirectories& folders) {
  const std::vector<fs::path> applications = applicationFolders(folders);
  const std::vector<fs::path> lists = associationLists(folders);
  for (const fs::path& list : lists)
    for (const std::string& id : listedFor(list, "Default Applications", type))
      if (auto exec = execOf(id, applications)) return *exec;
  // A removal counts for its own file and every less important one.
  std::set<std::string> removed;
  for (const fs::path& list : lists) {
    for (const std::string& id : listedFor(list, "Removed Associations", type)) removed.insert(id);
    for (const std::string& id : listedFor(list, "Added Associations", type))
      if (!removed.contains(id))
        if (auto exec = execOf(id, applications)) return *exec;
  }
  for (const fs::path& folder : applications)
    for (const std::string& id : listedFor(folder / "mimeinfo.cache", "MIME Cache", type))
      if (!removed.contains(id))
        if (auto exec = execOf(id, applications)) return *exec;
  return {};
}

}  // namespace

std::string findBrowserCommand(const XdgDirectories& folders) {
  if (!folders.browser.empty()) return folders.browser.substr(0, folders.browser.find(':'));
  for (const std::string_view type : kHtmlTypes)
    if (std::string command = commandFor(type, folders); !command.empty()) return command;
  return {};
}

}  // namespace vorlane
