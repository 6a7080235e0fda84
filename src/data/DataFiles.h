#pragma once

#include <array>
#include <string>

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

// The write test of start-up: clears the read-only attribute of the "*.666" and "*.ini"
// files, then writes a 0 into record 8 of the settings file (or of its factory copy).
// True when the data folder can be written.
bool testDataFolderWritable(const DataFolder& folder);

}  // namespace vorlane
