#include "platform/FreedesktopMenu.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <string_view>

#include "data/DataFolder.h"
#include "platform/DesktopEntry.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr std::string_view kVendorPrefix = "vorlane-";

// One parsed command: "[Name(arguments)]".
struct Command {
  std::string name;
  std::string arguments;
};

std::optional<Command> parseCommand(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  const auto open = text.find('(');
  if (text.size() < 4 || text.front() != '[' || !text.ends_with(")]") ||
      open == std::string_view::npos) {
    return std::nullopt;
  }
  return Command{std::string(text.substr(1, open - 1)),
                 std::string(text.substr(open + 1, text.size() - open - 3))};
}

std::string fileStem(const std::string& group) {
  std::string stem(kVendorPrefix);
  for (const char c : group) {
    const auto u = static_cast<unsigned char>(c);
    stem += (std::isalnum(u) || c == '-' || c == '_') && u < 128
                ? static_cast<char>(std::tolower(u))
                : '_';
  }
  return stem;
}

std::string xmlText(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

bool writeTextFile(const fs::path& file, const std::string& text) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

bool removeIfPresent(const fs::path& file) {
  std::error_code ec;
  fs::remove(file, ec);
  return !ec;
}

std::string lowerExtension(const fs::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The existing file named so without regard to case, else the name as given.
fs::path existingSpelling(const fs::path& file) {
  if (auto found = DataFolder::findEntry(file.parent_path(), file.filename().string()))
    return *found;
  return file;
}

// A document of the Windows folder ("Lisezmoi.wri") is its ".txt" twin when only that exists.
fs::path documentHere(const fs::path& file) {
  const fs::path given = existingSpelling(file);
  std::error_code ec;
  if (fs::exists(given, ec)) return given;
  fs::path twin = file;
  twin.replace_extension(".txt");
  twin = existingSpelling(twin);
  return fs::exists(twin, ec) ? twin : given;
}

}  // namespace

FreedesktopMenu::FreedesktopMenu(fs::path program) : program_(std::move(program)) {}

bool FreedesktopMenu::open() {
  folders_ = XdgDirectories::fromEnvironment();
  open_ = !folders_.configHome.empty() && !folders_.dataHome.empty();
  return open_;
}

bool FreedesktopMenu::execute(const std::string& text) {
  if (!open_) return false;
  const std::optional<Command> command = parseCommand(text);
  if (!command) return false;
  if (command->name == "DeleteGroup") return deleteGroup(command->arguments);
  if (command->name == "CreateGroup") return createGroup(command->arguments);
  if (command->name == "AddItem") {
    // Titles hold no comma; a folder may.
    const auto comma = command->arguments.rfind(',');
    if (comma == std::string::npos) return false;
    return addItem(command->arguments.substr(0, comma), command->arguments.substr(comma + 1));
  }
  return false;
}

bool FreedesktopMenu::deleteGroup(const std::string& group) {
  bool removed = true;
  for (const fs::path& file : groupFiles(group)) removed = removeIfPresent(file) && removed;
  if (activeGroup_ == group) activeGroup_.clear();
  return removed;
}

bool FreedesktopMenu::createGroup(const std::string& group) {
  if (group.empty()) return false;
  const std::string directory = "[Desktop Entry]\nType=Directory\nName=" +
                                escapeDesktopValue(group) + "\nIcon=" + kMenuIconName + "\n";
  if (!writeTextFile(directoryFile(group), directory) || !writeMenu(group)) return false;
  activeGroup_ = group;
  return true;
}

bool FreedesktopMenu::addItem(const std::string& commandLine, const std::string& title) {
  if (activeGroup_.empty() || commandLine.empty() || title.empty()) return false;
  const std::vector<int> existing = items(activeGroup_);
  const int item = existing.empty() ? 1 : existing.back() + 1;
  // The game's own item bears the program's name on this system, where the group's
  // command calls it "Vorlane.exe".
  const std::string name =
      fs::path(commandLine) == program_ ? std::string(kProgramFileName) : title;
  const std::string entry = "[Desktop Entry]\nType=Application\nName=" + escapeDesktopValue(name) +
                            "\nExec=" + escapeDesktopValue(execLine(itemCommand(commandLine))) +
                            "\nIcon=" + kMenuIconName + "\nTerminal=false\n";
  return writeTextFile(itemFile(activeGroup_, item), entry) && writeMenu(activeGroup_);
}

std::vector<std::string> FreedesktopMenu::itemCommand(const std::string& commandLine) const {
  const fs::path target(commandLine);
  const std::string extension = lowerExtension(target);
  if (target == program_) return {program_.string()};
  if (extension == ".hlp") return {program_.string(), "--aide", existingSpelling(target).string()};
  if (extension == ".url") return {program_.string(), "--web"};
  return {"xdg-open", documentHere(target).string()};
}

bool FreedesktopMenu::writeMenu(const std::string& group) const {
  const std::string stem = fileStem(group);
  std::string include;
  std::string layout;
  for (const int item : items(group)) {
    const std::string line =
        "      <Filename>" + stem + "-" + std::to_string(item) + ".desktop</Filename>\n";
    include += line;
    layout += line;
  }
  const std::string menu =
      std::string(kMenuDoctype) +
      "<Menu>\n"
      "  <Name>Applications</Name>\n"
      "  <Menu>\n"
      "    <Name>" +
      xmlText(group) +
      "</Name>\n"
      "    <Directory>" +
      stem +
      ".directory</Directory>\n"
      "    <Include>\n" +
      include +
      "    </Include>\n"
      "    <Layout>\n" +
      layout +
      "    </Layout>\n"
      "  </Menu>\n"
      "</Menu>\n";
  return writeTextFile(menuFile(group), menu);
}

std::vector<fs::path> FreedesktopMenu::groupFiles(const std::string& group) const {
  std::vector<fs::path> files{menuFile(group), directoryFile(group)};
  for (const int item : items(group)) files.push_back(itemFile(group, item));
  return files;
}

fs::path FreedesktopMenu::menuFile(const std::string& group) const {
  return folders_.configHome / "menus" / "applications-merged" / (fileStem(group) + ".menu");
}

fs::path FreedesktopMenu::directoryFile(const std::string& group) const {
  return folders_.dataHome / "desktop-directories" / (fileStem(group) + ".directory");
}

fs::path FreedesktopMenu::itemFile(const std::string& group, int item) const {
  return folders_.dataHome / "applications" /
         (fileStem(group) + "-" + std::to_string(item) + ".desktop");
}

std::vector<int> FreedesktopMenu::items(const std::string& group) const {
  const std::string prefix = fileStem(group) + "-";
  std::vector<int> numbers;
  std::error_code ec;
  for (fs::directory_iterator it(folders_.dataHome / "applications", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix) || !name.ends_with(".desktop")) continue;
    const std::string number = name.substr(prefix.size(), name.size() - prefix.size() - 8);
    if (number.empty() || number.size() > 4 || number.front() == '0' ||
        !std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); }))
      continue;
    numbers.push_back(std::stoi(number));
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

}  // namespace vorlane
