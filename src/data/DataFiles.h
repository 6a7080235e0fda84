#pragma once

#include <array>
#include <optional>
#include <string>

#include "data/IoError.h"

namespace vorlane {

class DataFolder;

inline constexpr std::size_t kDistributionSlots = 50;
// Slots 1 to 32 are the data-folder set; 1 to 6 are the required word data.
inline constexpr std::size_t kDataFolderSlots = 32;
inline constexpr std::size_t kRequiredSlots = 6;

// `distributionFiles`: 50 file-name slots, numbered from 1 (index 0 is slot 1). Slots 7,
// 8 and 34 to 38 are empty; slot 33 is the optional word-form list; after slot 38 comes the
// application-folder set, a membership list for the installer.
const std::array<std::string, kDistributionSlots>& distributionFiles();

// The message of the start-up failure box, naming the program's folder (Windows-1252).
std::string dataFilesFailureMessage(const DataFolder& folder);
inline constexpr const char* kDataFilesFailureTitle = "Vorlane : erreur de fichiers";

// The start-up check: tidies an older layout (data files beside the program), creates the
// settings and score-name files from their factory copies, and returns whether the six
// required files are all reachable. Failures of the tidy-up are ignored.
bool checkDataFiles(const DataFolder& folder);

// Why the settings file of the data folder cannot serve this run, or nothing when it can:
// an entry "Prefint.666" that is a folder or a file that cannot be read (a damaged disk, a
// link that leads nowhere or round in circles), or a working copy that the start-up could
// not make from the factory copy (a full disk). The error names the entry and gives the
// reason in French; the game then runs with every write skipped (nothingSavedNotice says
// so), the entry left as it is. A medium that cannot be written is no trouble of the file: the write
// test makes it the read-only mode.
std::optional<IoError> settingsFileTrouble(const DataFolder& folder);
// What follows the reason in the start-up's report (Windows-1252).
std::string nothingSavedNotice();

// The write test of start-up: clears the read-only attribute of the "*.666" and "*.ini"
// files, then writes a 0 into record 8 of the settings file (or of its factory copy).
// True when the data folder can be written.
bool testDataFolderWritable(const DataFolder& folder);

}  // namespace vorlane
