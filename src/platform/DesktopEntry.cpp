#include "platform/DesktopEntry.h"

#include <fstream>

namespace vorlane {
namespace {

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Characters a backslash escapes inside a quoted Exec argument.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Removes the field codes of one argument; false when nothing but field codes was there.
bool dropFieldCodes(std::string& argument) {
  std::string kept;
  bool hadCode = false;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] != '%') {
      kept += argument[i];
    } else if (i + 1 < argument.size() && argument[i + 1] == '%') {
      kept += '%';
      ++i;
    } else {
      hadCode = true;
      ++i;
    }
  }
  argument = std::move(kept);
  return !(hadCode && argument.empty());
}

}  // namespace

std::optional<DesktopGroup> readDesktopGroup(const std::filesystem::path& file,
                                             std::string_view name) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string header = "[" + std::string(name) + "]";
  std::optional<DesktopGroup> group;
  std::string line;
  while (std::getline(in, line)) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') continue;
    if (text.front() == '[') {
      if (group) break;
      if (text == header) group.emplace();
      continue;
    }
    const auto equals = text.find('=');
    if (!group || equals == std::string_view::npos) continue;
    group->emplace(std::string(trimmed(text.substr(0, equals))),
                   std::string(trimmed(text.substr(equals + 1))));
  }
  return group;
}

std::string escapeDesktopValue(std::string_view value) {
  std::string escaped;
  for (const char c : value) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string unescapeDesktopValue(std::string_view value) {
  std::string plain;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      plain += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        plain += ' ';
        break;
      case 'n':
        plain += '\n';
        break;
      case 't':
        plain += '\t';
        break;
      case 'r':
        plain += '\r';
        break;
      case '\\':
        plain += '\\';
        break;
      default:
        plain += '\\';
        plain += value[i];
    }
  }
  return plain;
}

std::vector<std::string> splitDesktopList(std::string_view value) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start <= value.size()) {
    auto end = value.find(';', start);
    if (end == std::string_view::npos) end = value.size();
    const std::string_view entry = trimmed(value.substr(start, end - start));
    if (!entry.empty()) entries.emplace_back(entry);
    start = end + 1;
  }
  return entries;
}

std::string execLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    const bool quoted =
        argument.empty() || argument.find_first_of(kReservedInExec) != std::string::npos;
    if (quoted) line += '"';
    for (const char c : argument) {
      if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos) line += '\\';
      if (c == '%') line += '%';
      line += c;
    }
    if (quoted) line += '"';
  }
  return line;
}

std::vector<std::string> splitExec(std::string_view exec) {
  std::vector<std::string> arguments;
  std::string argument;
  bool inArgument = false;
  bool inQuotes = false;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (inQuotes) {
      if (c == '"') {
        inQuotes = false;
      } else if (c == '\\' && i + 1 < exec.size() &&
                 kEscapedInQuotes.find(exec[i + 1]) != std::string_view::npos) {
        argument += exec[++i];
      } else {
        argument += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (inArgument && dropFieldCodes(argument)) arguments.push_back(argument);
      argument.clear();
      inArgument = false;
    } else {
      inArgument = true;
      if (c == '"')
        inQuotes = true;
      else
        argument += c;
    }
  }
  if (inQuotes) return {};
  if (inArgument && dropFieldCodes(argument)) arguments.push_back(argument);
  return arguments;
}

}  // namespace vorlane
