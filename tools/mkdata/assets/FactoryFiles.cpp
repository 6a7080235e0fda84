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

// The factory top six of each class, best first, with the names a player would type.
struct FactoryScore {
  std::string_view name;
  std::int32_t points;
};
constexpr std::array<FactoryScore, 6> kSeniorTop{
    {{"ARNAUD", 1500}, {"LEA", 1200}, {"MARC", 900}, {"SOPHIE", 650}, {"PAUL", 400}, {"ZOE", 250}}};
constexpr std::array<FactoryScore, 6> kJuniorTop{
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
  for (int rank = 0; rank < 6; ++rank) {
    file.writeInt32LE(setting::kSeniorScores + rank, kSeniorTop[rank].points);
    file.writeInt32LE(setting::kJuniorScores + rank, kJuniorTop[rank].points);
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
  file.write(0, "");
  for (int rank = 0; rank < 6; ++rank) {
    file.write(1 + rank, nameRecord(kSeniorTop[rank].name));
    file.write(7 + rank, nameRecord(kJuniorTop[rank].name));
  }
}

}  // namespace

void writeFactoryFiles(const std::filesystem::path& dataFolder, const std::string& sourcesNotice) {
  writeSettings(dataFolder / "Nsco.666");
  writeScoreNames(dataFolder / "Nscostx.666");
  writeFileBytes(dataFolder / "Nazniv.666", toWin1252(sourcesNotice));
}

}  // namespace vorlane::mkdata
