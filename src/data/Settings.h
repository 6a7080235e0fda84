#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorlane {

class DataFolder;

// The settings file, the score-name file and their factory copies.
inline constexpr std::string_view kSettingsFile = "Prefint.666";
inline constexpr std::string_view kFactorySettingsFile = "Nsco.666";
inline constexpr std::string_view kScoreNamesFile = "stx.666";
inline constexpr std::string_view kFactoryScoreNamesFile = "Nscostx.666";

// Records of the settings file "Prefint.666" (and its factory copy "Nsco.666"): signed
// 32-bit little-endian integers, record n at byte 4·n. Boolean records hold 1 for true.
namespace setting {
inline constexpr int kPattern = 1;         // background pattern; 18 = plain colour
inline constexpr int kColourListLine = 4;  // selected line of the preferences' colour list
inline constexpr int kBackgroundShown = 5;
inline constexpr int kWriteTest = 8;  // only ever written by the start-up write test
inline constexpr int kWindowTop = 9;
inline constexpr int kWindowLeft = 10;
inline constexpr int kSeniorScores = 11;    // ranks 1..6 in records 11..16
inline constexpr int kLargeTiles = 17;      // "Grande police"
inline constexpr int kWidestWindow = 18;    // "Largeur maximum"
inline constexpr int kAlwaysCentred = 19;   // "Toujours centrée"
inline constexpr int kNoProperNouns = 20;   // "Sans noms propres"
inline constexpr int kTrainingMode = 22;    // 1 = "Entraînement", 0 = "Normal"
inline constexpr int kJuniorScores = 23;    // ranks 1..6 in records 23..28
inline constexpr int kJuniorClass = 29;     // 1 = Junior, 0 = Senior
inline constexpr int kStarted = 30;         // 1 once the first start has welcomed the player
inline constexpr int kRecentSingle = 100;   // 100 records
inline constexpr int kRecentAnagram = 200;  // 200 records
inline constexpr int kRecordCount = 400;    // a settings file holds at least this many
}  // namespace setting

// Records of the score-name file "stx.666" (factory copy "Nscostx.666"): 151 bytes, a
// length byte (0..150) and the text. Record 0 unused; 1..6 Senior, 7..12 Junior.
inline constexpr std::size_t kScoreNameRecordSize = 151;
inline constexpr std::size_t kScoreNameMaxLength = 150;

// Colours are 24-bit values with red in the low byte (0x00BBGGRR).
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlack = 0;
inline constexpr Colour kTeal = 0x808000;

// `colourTable`: main window, background window, definition text, and a fourth slot
// written with the definition colour.
using ColourTable = std::array<Colour, 4>;

// Records of the settings file and of the score-name file that change together, as the
// rows of a top-six table do: names are cut to 150 characters (Windows-1252 bytes).
struct RecordChanges {
  std::vector<std::pair<int, std::int32_t>> settings;
  std::vector<std::pair<int, std::string>> names;
};

// The only access to the settings, score-name and colour files. Nothing is cached: each
// call opens the file, reads or writes one record, and closes it. Every write is skipped
// while the data folder is not writable; failures throw IoError. Writes take the data
// folder's lock (DataFolderLock), so that a copy of the game never changes a file under
// another copy's save.
class Settings {
 public:
  explicit Settings(const DataFolder& folder) : folder_(folder) {}
  const DataFolder& folder() const { return folder_; }

  // "Prefint.666", else "Nsco.666", else 0.
  std::int32_t readSetting(int record) const;
  // The file settings are read from: "Prefint.666", else "Nsco.666", else none.
  std::optional<std::filesystem::path> settingsFileToRead() const;
  void writeSetting(int record, std::int32_t value) const;

  // Cut to 150 characters (Windows-1252 bytes).
  void writeScoreName(int record, std::string_view name) const;
  // "stx.666", else "Nscostx.666", else empty. A length byte above 150 reads 150
  // characters; a record not wholly in the file throws IoError.
  std::string readScoreName(int record) const;

  // Writes the records as one save, for the caller that holds the data folder's lock: the
  // settings file and the score-name file are each rewritten whole through a finished copy
  // beside it, the settings file's copy first, and take their new bytes in that order. A
  // failure leaves both files as they were; an end of the program between the two renames
  // leaves the names' copy finished, which finishInterruptedSave puts in place. A record
  // outside its file (a damaged, short file) writes nothing: a file is never lengthened.
  void writeTogether(const RecordChanges& changes) const;
  // What a save cut short left beside the files, for the caller that holds the lock: the
  // names' finished copy takes its place when the settings file already took its own (the
  // save had passed its first rename); any other copy is removed, so both files keep
  // their old bytes. Nothing happens on a write-protected medium.
  void finishInterruptedSave() const;

  // Defaults: teal for 0 and 1, white for 2, black for 3; the colour file when it exists.
  Colour readColour(int index) const;
  // Writes the main window, background and definition colours, the last one twice, into
  // "Zari666/color.ini" when the folder exists, else "color.ini" beside the program. The
  // file is rewritten whole through a copy: a failure leaves the old colours.
  void saveColours(Colour mainWindow, Colour background, Colour definitionText) const;

 private:
  const DataFolder& folder_;
};

}  // namespace vorlane
