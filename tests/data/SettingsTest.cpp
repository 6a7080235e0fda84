#include <gtest/gtest.h>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
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

TEST_F(SettingsTest, ShortSettingsFileEndsWithAnError) {
  temp.writeFile("Zari666/Prefint.666", std::string(40, '\0'));
  EXPECT_THROW(settings.readSetting(29), IoError);
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
  EXPECT_EQ(settings.readScoreName(40), "");  // past the end of the file
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
