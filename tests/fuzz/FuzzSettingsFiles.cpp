#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "FuzzFolder.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/WordLists.h"
#include "game/Startup.h"
#include "scores/ScoreTable.h"

// The settings, score-name and colour files: every record the game reads, the recent
// draws, the start-up settings, both top-six tables, and a score placed and committed,
// which may write only inside the files. Input: "Prefint.666", "stx.666", "color.ini" and a
// score with its typed name, split by the marker.
namespace {

std::uintmax_t sizeOf(const std::filesystem::path& file) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  return ec ? 0 : size;
}

template <typename Read>
void tolerate(Read read) {
  try {
    read();
  } catch (const vorlane::IoError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlane;
  static const fuzz::FuzzFolder folder;
  const auto parts = fuzz::splitInput(data, size, 4);
  folder.writeData(kSettingsFile, parts[0]);
  folder.writeData(kScoreNamesFile, parts[1]);
  folder.writeData("color.ini", parts[2]);
  DataFolder dataFolder(folder.path());
  dataFolder.setWritable(true);
  const Settings settings(dataFolder);

  for (int record : {-1, 0, 8, 9, 17, 22, 29, 30, 399, 400}) tolerate([&] { settings.readSetting(record); });
  for (int record = -1; record <= 13; ++record) {
    tolerate([&] {
      if (settings.readScoreName(record).size() > kScoreNameMaxLength) fuzz::broken("name too long");
    });
  }
  for (int index = 0; index < 4; ++index) tolerate([&] { settings.readColour(index); });
  RecentDraws recent;
  tolerate([&] { recent.loadRecentDraws(dataFolder); });
  tolerate([&] { readStartupSettings(settings); });

  const std::string_view entry = parts[3];
  const std::int32_t score = entry.empty() ? 1 : static_cast<unsigned char>(entry[0]) * 37;
  const std::uintmax_t settingsSize = sizeOf(dataFolder.dataFilePath(kSettingsFile));
  const std::uintmax_t namesSize = sizeOf(dataFolder.dataFilePath(kScoreNamesFile));
  for (bool junior : {false, true}) {
    ScoreTable table(dataFolder);
    table.setJuniorClass(junior);
    tolerate([&] { table.loadScores(junior, true); });
    if (table.insertScore(score) > 0) {
      table.setEntryText(std::string(entry.substr(std::min<std::size_t>(1, entry.size()), 6)));
      tolerate([&] { table.commitEntry(); });
    }
    tolerate([&] { table.loadScores(!junior, false); });
  }
  if (sizeOf(dataFolder.dataFilePath(kSettingsFile)) != settingsSize ||
      sizeOf(dataFolder.dataFilePath(kScoreNamesFile)) != namesSize) {
    fuzz::broken("a score file changed size");
  }
  return 0;
}
