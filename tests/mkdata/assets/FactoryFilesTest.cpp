#include <gtest/gtest.h>

#include "AssetFile.h"
#include "Assets.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::fileBytes;

class FactoryFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { mkdata::writeFactoryFiles(temp.dataFolder(), kNotice); }

  std::int32_t record(int n) const {
    return static_cast<std::int32_t>(test::littleEndian(fileBytes(temp.dataFolder() / "Nsco.666"),
                                                        4 * static_cast<std::size_t>(n), 4));
  }

  static constexpr const char* kNotice = "Données : Littré, lexique libre. Fréquences ODC-BY.\n";
  test::TempFolder temp;
};

TEST_F(FactoryFilesTest, SettingsHoldFourHundredRecordsWithTheFirstRunValues) {
  EXPECT_EQ(fileBytes(temp.dataFolder() / "Nsco.666").size(), 4u * setting::kRecordCount);
  const std::pair<int, std::int32_t> expected[] = {
      {setting::kPattern, 5},      {setting::kBackgroundShown, 0},    {setting::kLargeTiles, 0},
      {setting::kWidestWindow, 0}, {setting::kAlwaysCentred, 1},      {setting::kNoProperNouns, 0},
      {setting::kTrainingMode, 1}, {setting::kJuniorClass, 1},        {setting::kWriteTest, 0},
      {setting::kRecentSingle, 0}, {setting::kRecentAnagram + 199, 0}};
  for (auto [n, value] : expected) EXPECT_EQ(record(n), value) << "record " << n;
  EXPECT_GT(record(setting::kWindowTop), 0);
  EXPECT_GT(record(setting::kWindowLeft), 0);
}

TEST_F(FactoryFilesTest, TopSixPointsDescendAndEveryUnlistedRecordIsZero) {
  for (int table : {setting::kSeniorScores, setting::kJuniorScores}) {
    EXPECT_GT(record(table + 5), 0) << "table at " << table;
    for (int rank = 1; rank < 6; ++rank) EXPECT_GT(record(table + rank - 1), record(table + rank));
  }
  EXPECT_GT(record(setting::kSeniorScores), record(setting::kJuniorScores));
  int nonZero = 0;
  for (int n = 0; n < setting::kRecordCount; ++n) nonZero += record(n) != 0 ? 1 : 0;
  // Pattern, window top and left, centring, mode, class and the twelve scores.
  EXPECT_EQ(nonZero, 18);
}

TEST_F(FactoryFilesTest, ScoreNamesAreShortCapitalNamesInTheirRecords) {
  const std::string bytes = fileBytes(temp.dataFolder() / "Nscostx.666");
  ASSERT_EQ(bytes.size(), 13 * kScoreNameRecordSize);
  EXPECT_EQ(bytes[0], '\0');
  for (std::size_t n = 1; n <= 12; ++n) {
    const std::size_t at = n * kScoreNameRecordSize;
    const auto length = static_cast<unsigned char>(bytes[at]);
    EXPECT_GE(length, 1) << "record " << n;
    EXPECT_LE(length, 6) << "record " << n;
    for (std::size_t i = 1; i <= length; ++i) {
      EXPECT_TRUE(bytes[at + i] >= 'A' && bytes[at + i] <= 'Z') << "record " << n;
    }
  }
}

TEST_F(FactoryFilesTest, TheGameReadsTheFactoryCopiesWhenItsOwnFilesAreMissing) {
  const DataFolder folder(temp.path());
  const Settings settings(folder);
  EXPECT_EQ(settings.readSetting(setting::kPattern), 5);
  EXPECT_EQ(settings.readSetting(setting::kJuniorClass), 1);
  EXPECT_EQ(settings.readSetting(setting::kSeniorScores), record(setting::kSeniorScores));
  const std::string first = settings.readScoreName(1);
  EXPECT_FALSE(first.empty());
  EXPECT_NE(first, settings.readScoreName(7));
}

TEST_F(FactoryFilesTest, NoticeIsWindows1252) {
  const std::string bytes = fileBytes(temp.dataFolder() / "Nazniv.666");
  EXPECT_EQ(bytes, toWin1252(kNotice));
  EXPECT_EQ(bytes.substr(0, 8),
            "Donn\xE9"
            "es ");
}

TEST_F(FactoryFilesTest, RewritingGivesTheSameBytes) {
  test::TempFolder other;
  mkdata::writeFactoryFiles(other.dataFolder(), kNotice);
  for (const char* name : {"Nsco.666", "Nscostx.666", "Nazniv.666"}) {
    EXPECT_EQ(fileBytes(temp.dataFolder() / name), fileBytes(other.dataFolder() / name)) << name;
  }
}

TEST(FactoryFilesFailureTest, AMissingFolderThrowsIoError) {
  test::TempFolder temp;
  EXPECT_THROW(mkdata::writeFactoryFiles(temp.path() / "absent", "x"), IoError);
}

}  // namespace
}  // namespace vorlane
