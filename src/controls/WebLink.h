#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

class ProcessStarter;
struct XdgDirectories;

// A browser's open command taken apart: the program and the arguments it is registered
// with.
struct BrowserCommand {
  std::string program;
  std::vector<std::string> arguments;
  bool operator==(const BrowserCommand&) const = default;
};

// `SplitBrowserCommand`. A command naming a Windows program (its last ".EXE", ".BAT" or
// ".COM", in any case) is cut after that name; the rest, without its blanks at both ends,
// its double quotes and every "%" with what follows it up to a blank, gives the arguments,
// cut at the blanks; a double quote opening the program is dropped. Any other command is
// read as a desktop entry's Exec line: its first word is the program, the others the
// arguments, field codes left out. An empty command gives an empty program.
BrowserCommand splitBrowserCommand(std::string_view command);

// Starts the desktop's browser (`FindBrowser`) with its registered arguments followed by
// `parameter` (the address or the e-mail link, UTF-8) cut at its blanks, as a command line
// would be. False when no browser is found or it cannot be started.
bool startBrowser(ProcessStarter& starter, const XdgDirectories& folders,
                  std::string_view parameter);

}  // namespace vorlane
