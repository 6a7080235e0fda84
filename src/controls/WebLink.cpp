#include "controls/WebLink.h"

#include <array>
#include <cctype>

#include "platform/BrowserCommand.h"
#include "platform/DesktopEntry.h"
#include "platform/ProcessStarter.h"
#include "platform/XdgDirectories.h"

namespace vorlane {
namespace {

constexpr std::array<std::string_view, 3> kProgramEndings = {".EXE", ".BAT", ".COM"};

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// The position of the last character of the command's last Windows program name.
std::string_view::size_type programEnd(std::string_view command) {
  for (auto p = command.size(); p-- > 3;) {
    std::string ending(command.substr(p - 3, 4));
    for (char& c : ending) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string_view known : kProgramEndings)
      if (ending == known) return p;
  }
  return std::string_view::npos;
}

// The arguments after a Windows program name: no quotes, no placeholder such as %1. Blanks
// are left in: wordsOf splits at them and drops them.
std::string windowsArguments(std::string_view rest) {
  std::string unquoted;
  for (const char c : rest)
    if (c != '"') unquoted += c;
  std::string kept;
  for (std::size_t i = 0; i < unquoted.size(); ++i) {
    if (unquoted[i] == '%') {
      while (i + 1 < unquoted.size() && unquoted[i + 1] != ' ') ++i;
    } else {
      kept += unquoted[i];
    }
  }
  return kept;
}

}  // namespace

BrowserCommand splitBrowserCommand(std::string_view command) {
  if (command.empty()) return {};
  const auto end = programEnd(command);
  if (end == std::string_view::npos) {
    std::vector<std::string> words = splitExec(command);
    if (words.empty()) return {};
    return {words.front(), std::vector<std::string>(words.begin() + 1, words.end())};
  }
  BrowserCommand split;
  split.arguments = wordsOf(windowsArguments(command.substr(end + 1)));
  std::string_view program = command.substr(0, end + 1);
  if (program.front() == '"') program.remove_prefix(1);
  split.program = program;
  return split;
}

bool startBrowser(ProcessStarter& starter, const XdgDirectories& folders,
                  std::string_view parameter) {
  BrowserCommand browser = splitBrowserCommand(findBrowserCommand(folders));
  if (browser.program.empty()) return false;
  for (std::string& word : wordsOf(parameter)) browser.arguments.push_back(std::move(word));
  return starter.startDetached(browser.program, browser.arguments);
}

}  // namespace vorlane
