#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Desktop Entry files of the freedesktop desktops (also the format of mimeapps.list and
// mimeinfo.cache): UTF-8 "Key=Value" lines under "[Group]" headers.
namespace vorlane {

// The keys of one group, values as they stand in the file (not unescaped).
using DesktopGroup = std::map<std::string, std::string, std::less<>>;

// The group `name` of `file`; nothing when the file or the group is missing.
std::optional<DesktopGroup> readDesktopGroup(const std::filesystem::path& file,
                                             std::string_view name);

// A string value as the file writes it: backslash, newline, tab and carriage return are
// escaped; and its twin, which also reads "\s" as a blank.
std::string escapeDesktopValue(std::string_view value);
std::string unescapeDesktopValue(std::string_view value);

// The entries of a list value ("a.desktop;b.desktop;"), empty ones left out.
std::vector<std::string> splitDesktopList(std::string_view value);

// An Exec line starting `arguments` (the program first), before the value escaping: an
// argument holding a reserved character is double-quoted, and "%" is written "%%".
std::string execLine(const std::vector<std::string>& arguments);

// The arguments of an Exec line (unescaped value) by the quoting rules. Field codes
// (%u, %U, %f...) drop out, an argument made only of them with them; "%%" is "%". Empty
// when a quote is left open.
std::vector<std::string> splitExec(std::string_view exec);

}  // namespace vorlane
