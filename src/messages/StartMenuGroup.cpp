#include "messages/StartMenuGroup.h"

#include <algorithm>

#include "platform/ProgramManagerLink.h"

namespace vorlane {
namespace {

std::string command(std::string_view format, const std::string& value) {
  return "[" + std::string(format) + "(" + value + ")]\r\n";
}

std::string addItem(const std::string& commandLine, std::string_view commaTitle) {
  return command("AddItem", commandLine + std::string(commaTitle));
}

}  // namespace

std::vector<std::string> startMenuCommands(const std::filesystem::path& executable) {
  const std::string group(kStartMenuGroupName);
  const std::string folder = executable.parent_path().string() + "/";
  std::vector<std::string> commands{
      command("DeleteGroup", group),
      command("CreateGroup", group),
      addItem(executable.string(), ",Vorlane.exe"),
      addItem(folder + "Vorlane.hlp", ",Aide de Vorlane"),
      addItem(folder + "Cerf.hlp", ",Cerf.hlp"),
      addItem(folder + "Vorlane.url", ",Web de Vorlane"),
      addItem(folder + "Lisezmoi.wri", ",Lisez-moi"),
  };
  const bool fits = std::all_of(commands.begin(), commands.end(),
                                [](const std::string& c) { return c.size() <= kMaxCommandLength; });
  return fits ? commands : std::vector<std::string>{};
}

void createStartMenuGroup(ProgramManagerLink& link, const std::filesystem::path& executable) {
  const std::vector<std::string> commands = startMenuCommands(executable);
  if (commands.empty()) return;
  if (!link.isOpen()) link.open();
  for (std::size_t i = 0; i + 1 < commands.size(); ++i) link.execute(commands[i]);
  if (!link.execute(commands.back())) link.close();
}

}  // namespace vorlane
