#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/MainWindowLayout.h"

namespace vorlane {

class DataFolder;
class Settings;

// What the main window takes from the settings file when it is created.
struct StartupSettings {
  bool trainingMode = false;   // record 22
  bool juniorClass = false;    // record 29
  bool alwaysCentred = false;  // record 19, "Toujours centrée"
  bool noProperNouns = false;  // record 20, "Sans noms propres"
  Point savedPlace;            // records 9 (top) and 10 (left); not read when centred
  LayoutPreferences layout;    // records 17 and 18, "Grande police" and "Largeur maximum"
  bool operator==(const StartupSettings&) const = default;
};

// Reads records 22, 29, 19, 20, then 9 and 10 unless the window is always centred, then
// the two layout preferences.
StartupSettings readStartupSettings(const Settings& settings);

// The installer's hand-off word, the first command-line parameter compared exactly.
struct HandOff {
  bool createStartMenuGroup = false;  // "insrac", "majrac"
  std::string welcome;                // Windows-1252, lines separated by "\n"
  bool operator==(const HandOff&) const = default;
};

// The welcome of "ins", "maj", "insrac" and "majrac"; nothing for any other parameter
// (an unknown word is ignored rather than shown as an empty box).
std::optional<HandOff> handOffFor(std::string_view parameter);

// The first start of an installation is recorded in the settings file, which every
// installation has (a folder that takes no new file still lets its files be written). The
// installer copies only the factory copy "Nsco.666", which holds 0 there, so every new copy
// welcomes its player once.

// A writable data folder whose settings do not record a start yet; a settings file that
// cannot be read welcomes nobody.
bool isFirstStart(const Settings& settings);
// Records the start; nothing happens while the data folder is not writable.
void recordFirstStart(const Settings& settings);

}  // namespace vorlane
