#include <gtest/gtest.h>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/RecordFile.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "data/WordLists.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::TempFolder;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.setWritable(true); }
  TempFolder temp;
  DataFolder folder{temp.path()};
  Settings settings{folder};
};

TEST_F(SettingsTest, ReadsTheSettingsFileThenTheFactoryCopyThenZero) {
  EXPECT_EQ(settings.readSetting(19), 0);
  std::string factory(1600, '\0');
  factory[4 * 19] = 1;
  temp.writeFile("Zari666/Nsco.666", factory);
  EXPECT_EQ(settings.readSetting(19), 1);
  std::string working(1600, '\0');
  working[4 * 19] = '\xFE';
  working[4 * 19 + 1] = '\xFF';
  working[4 * 19 + 2] = '\xFF';
  working[4 * 19 + 3] = '\xFF';
  temp.writeFile("Zari666/Prefint.666", working);
  EXPECT_EQ(settings.readSetting(19), -2);
}

TEST_F(SettingsTest, WritesOneLittleEndianRecordAndNothingElse) {
  temp.writeFile("Zari666/Prefint.666", std::string(1600, '\x55'));
  settings.writeSetting(29, 0x01020304);
  std::string bytes = temp.readFile("Zari666/Prefint.666");
  EXPECT_EQ(bytes.substr(116, 4), "\x04\x03\x02\x01");
  EXPECT_EQ(bytes.substr(112, 4), std::string(4, '\x55'));
  EXPECT_EQ(bytes.substr(120, 4), std::string(4, '\x55'));
  EXPECT_EQ(settings.readSetting(29), 0x01020304);  // nothing is cached
}

TEST_F(SettingsTest, WritingWithoutTheSettingsFileFailsEvenWithTheFactoryCopy) {
  temp.writeFile("Zari666/Nsco.666", std::string(1600, '\0'));
  EXPECT_THROW(settings.writeSetting(22, 1), IoError);
  EXPECT_EQ(settings.readSetting(22), 0);
}

TEST_F(SettingsTest, ShortFilesEndWithAnErrorAndAreNeverLengthened) {
  temp.writeFile("Zari666/Prefint.666", std::string(40, '\0'));
  temp.writeFile("Zari666/stx.666", std::string(151 * 3 + 20, '\x02'));
  EXPECT_THROW(settings.readSetting(29), IoError);
  EXPECT_THROW(settings.writeSetting(29, 1), IoError);
  EXPECT_THROW(settings.writeSetting(10, 1), IoError) << "a record partly in the file";
  RecentDraws recent;
  EXPECT_THROW(recent.saveRecentDraws(folder), IoError);
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), std::string(40, '\0'));
  EXPECT_EQ(settings.readScoreName(2), "\x02\x02");
  EXPECT_THROW(settings.readScoreName(3), IoError) << "a record cut short";
  EXPECT_THROW(settings.readScoreName(7), IoError);
  EXPECT_THROW(settings.writeScoreName(7, "ANNE"), IoError);
  EXPECT_EQ(temp.readFile("Zari666/stx.666"), std::string(151 * 3 + 20, '\x02'));
}

// Settings and names saved together: every record goes in, from the first, or none does
// when one lies outside its file.
TEST_F(SettingsTest, RecordsSavedTogetherAllGoInOrNoneDoes) {
  const std::string settingsBytes(40, '\0');
  const std::string namesBytes(151 * 3, '\0');
  temp.writeFile("Zari666/Prefint.666", settingsBytes);
  temp.writeFile("Zari666/stx.666", namesBytes);
  const std::string tooShort =
      "enregistrement hors du fichier : le fichier est endommagé (trop court) ; rien n'a été "
      "enregistré";
  struct Refusal {
    RecordChanges changes;
    const char* file;
  };
  const Refusal refusals[] = {{{{{0, 1}, {10, 1}}, {}}, "Prefint.666"},
                              {{{{-1, 1}}, {}}, "Prefint.666"},
                              {{{{0, 1}}, {{3, "ANNE"}}}, "stx.666"}};
  for (const Refusal& r : refusals) {
    try {
      settings.writeTogether(r.changes);
      ADD_FAILURE() << "a record outside its file was saved";
    } catch (const IoError& error) {
      EXPECT_EQ(error.file(), temp.dataFolder() / r.file);
      EXPECT_EQ(win1252ToUtf8(error.what()), tooShort);
    }
    EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), settingsBytes);
    EXPECT_EQ(temp.readFile("Zari666/stx.666"), namesBytes);
  }
  settings.writeTogether({{{0, 7}, {9, -1}}, {{0, "LEA"}, {2, "ANNE"}}});
  EXPECT_EQ(settings.readSetting(0), 7);
  EXPECT_EQ(settings.readSetting(9), -1);
  EXPECT_EQ(settings.readScoreName(0), "LEA");
  EXPECT_EQ(settings.readScoreName(2), "ANNE");
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666").size(), 40u);
}

TEST(IoErrorTest, ReportsNameTheFileAndTheSystemsReasonInFrench) {
  // /dev/full takes no byte: every write meets a full disk.
  RecordFile full("/dev/full", 4, RecordFile::Mode::Create);
  try {
    full.writeInt32LE(0, 1);
    FAIL() << "a write on a full disk succeeded";
  } catch (const IoError& error) {
    EXPECT_EQ(error.file(), "/dev/full");
    EXPECT_EQ(std::string(error.what()), toWin1252("écriture impossible (disque plein)"));
  }
  try {
    RecordFile missing("/nonexistent/Prefint.666", 4, RecordFile::Mode::Read);
    FAIL() << "a missing file opened";
  } catch (const IoError& error) {
    EXPECT_EQ(std::string(error.what()),
              toWin1252("ouverture impossible (fichier ou dossier introuvable)"));
  }
  EXPECT_EQ(pathText("/tmp/app3\u00e9/Zari666"), "/tmp/app3\xE9/Zari666");
}

TEST_F(SettingsTest, ScoreNamesAreCountedStringsCutTo150) {
  temp.writeFile("Zari666/stx.666", std::string(151 * 13, '\0'));
  settings.writeScoreName(2, "ANNE");
  settings.writeScoreName(3, std::string(200, 'Z'));
  std::string bytes = temp.readFile("Zari666/stx.666");
  EXPECT_EQ(bytes.substr(302, 5), "\x04" "ANNE");
  EXPECT_EQ(static_cast<unsigned char>(bytes[453]), 150);
  EXPECT_EQ(settings.readScoreName(2), "ANNE");
  EXPECT_EQ(settings.readScoreName(3), std::string(150, 'Z'));
  EXPECT_EQ(bytes.size(), 151u * 13);
}

TEST_F(SettingsTest, ScoreNamesFallBackAndSurviveDamage) {
  EXPECT_EQ(settings.readScoreName(1), "");
  std::string factory(151 * 13, '\0');
  factory.replace(151, 4, "\x03" "LEA");
  factory[151 * 2] = '\xC8';  // a length byte of 200
  temp.writeFile("Zari666/NSCOSTX.666", factory);
  EXPECT_EQ(settings.readScoreName(1), "LEA");
  EXPECT_EQ(settings.readScoreName(2).size(), 150u);
}

TEST_F(SettingsTest, ColoursHaveDefaultsAndAreSavedInTheDataFolderOrBesideTheProgram) {
  EXPECT_EQ(settings.readColour(0), kTeal);
  EXPECT_EQ(settings.readColour(1), kTeal);
  EXPECT_EQ(settings.readColour(2), kWhite);
  EXPECT_EQ(settings.readColour(3), kBlack);
  settings.saveColours(0x112233, 0x445566, 0x0000FF);
  EXPECT_TRUE(temp.exists("color.ini"));
  EXPECT_EQ(temp.readFile("color.ini"), std::string("\x33\x22\x11\0\x66\x55\x44\0\xFF\0\0\0\xFF\0\0\0", 16));
  EXPECT_EQ(settings.readColour(3), 0x0000FFu);

  temp.dataFolder();
  settings.saveColours(1, 2, 3);
  EXPECT_TRUE(temp.exists("Zari666/color.ini"));
  EXPECT_EQ(settings.readColour(1), 2u);
}

}  // namespace
}  // namespace vorlane
