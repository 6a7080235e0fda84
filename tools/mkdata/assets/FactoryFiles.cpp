#include <array>
#include <string_view>

#include "Assets.h"
#include "FileBytes.h"
#include "data/RecordFile.h"
#include "data/Settings.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {

namespace {

constexpr int kFactoryPattern = 5;
constexpr int kFactoryWindowTop = 60;
constexpr int kFactoryWindowLeft = 60;

// Score-name records: rank 1 of the Senior table, then of the Junior table.
constexpr int kSeniorNames = 1;
constexpr int kJuniorNames = 7;
constexpr std::size_t kTopSix = 6;

// The factory top six of each class, best first, with the names a player would type.
struct FactoryScore {
  std::string_view name;
  std::int32_t points;
};
constexpr std::array<FactoryScore, kTopSix> kSeniorTop{
    {{"ARNAUD", 1500}, {"LEA", 1200}, {"MARC", 900}, {"SOPHIE", 650}, {"PAUL", 400}, {"ZOE", 250}}};
constexpr std::array<FactoryScore, kTopSix> kJuniorTop{
    {{"LUCAS", 900}, {"EMMA", 700}, {"HUGO", 500}, {"CHLOE", 350}, {"NINA", 250}, {"TOM", 150}}};

void writeSettings(const std::filesystem::path& path) {
  RecordFile file(path, 4, RecordFile::Mode::Create);
  for (int record = 0; record < setting::kRecordCount; ++record) file.writeInt32LE(record, 0);
  file.writeInt32LE(setting::kPattern, kFactoryPattern);
  file.writeInt32LE(setting::kBackgroundShown, 0);
  file.writeInt32LE(setting::kWindowTop, kFactoryWindowTop);
  file.writeInt32LE(setting::kWindowLeft, kFactoryWindowLeft);
  file.writeInt32LE(setting::kAlwaysCentred, 1);
  file.writeInt32LE(setting::kTrainingMode, 1);
  file.writeInt32LE(setting::kJuniorClass, 1);
  for (std::size_t rank = 0; rank < kTopSix; ++rank) {
    file.writeInt32LE(setting::kSeniorScores + static_cast<int>(rank), kSeniorTop[rank].points);
    file.writeInt32LE(setting::kJuniorScores + static_cast<int>(rank), kJuniorTop[rank].points);
  }
}

std::string nameRecord(std::string_view name) {
  std::string record(kScoreNameRecordSize, '\0');
  record[0] = static_cast<char>(name.size());
  record.replace(1, name.size(), name);
  return record;
}

void writeScoreNames(const std::filesystem::path& path) {
  RecordFile file(path, kScoreNameRecordSize, RecordFile::Mode::Create);
  file.write(0, "");  // unused record, all zeros
  for (std::size_t rank = 0; rank < kTopSix; ++rank) {
    file.write(kSeniorNames + static_cast<int>(rank), nameRecord(kSeniorTop[rank].name));
    file.write(kJuniorNames + static_cast<int>(rank), nameRecord(kJuniorTop[rank].name));
  }
}

}  // namespace

void writeFactoryFiles(const std::filesystem::path& dataFolder, const std::string& sourcesNotice) {
  writeSettings(dataFolder / "Nsco.666");
  writeScoreNames(dataFolder / "Nscostx.666");
  writeFileBytes(dataFolder / "Nazniv.666", toWin1252(sourcesNotice));
}

}  // namespace vorlane::mkdata
