#include "game/Startup.h"

#include <gtest/gtest.h>

#include "data/DataFolder.h"
#include "data/RecordFile.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

class StartupSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp.writeFile("Zari666/Prefint.666", std::string(4 * setting::kRecordCount, '\0'));
    folder.setWritable(true);
  }
  void set(int record, int value) { settings.writeSetting(record, value); }

  test::TempFolder temp;
  DataFolder folder{temp.path()};
  Settings settings{folder};
};

TEST_F(StartupSettingsTest, ReadsModeClassPreferencesAndPlace) {
  set(setting::kTrainingMode, 1);
  set(setting::kJuniorClass, 1);
  set(setting::kNoProperNouns, 1);
  set(setting::kWindowTop, -12);
  set(setting::kWindowLeft, 300);
  set(setting::kLargeTiles, 1);
  const StartupSettings read = readStartupSettings(settings);
  EXPECT_EQ(read, (StartupSettings{true, true, false, true, {300, -12}, {true, false}}));
}

TEST_F(StartupSettingsTest, OnlyTheValueOneSwitchesAFlagOn) {
  set(setting::kTrainingMode, 2);
  set(setting::kJuniorClass, -1);
  set(setting::kWidestWindow, 1);
  const StartupSettings read = readStartupSettings(settings);
  EXPECT_FALSE(read.trainingMode);
  EXPECT_FALSE(read.juniorClass);
  EXPECT_TRUE(read.layout.widestWindow);
}

TEST_F(StartupSettingsTest, CentredWindowIgnoresTheSavedPlace) {
  set(setting::kAlwaysCentred, 1);
  set(setting::kWindowTop, 80);
  set(setting::kWindowLeft, 90);
  const StartupSettings read = readStartupSettings(settings);
  EXPECT_TRUE(read.alwaysCentred);
  EXPECT_EQ(read.savedPlace, (Point{0, 0}));
}

TEST(StartupSettingsWithoutFilesTest, EverythingOffAtTheOrigin) {
  test::TempFolder temp;
  DataFolder folder{temp.path()};
  EXPECT_EQ(readStartupSettings(Settings{folder}), StartupSettings{});
}

TEST(FirstStartTest, WelcomedOnceByAWritableInstallation) {
  test::TempFolder temp;
  const std::string factory(4 * setting::kRecordCount, '\0');
  temp.writeFile("Zari666/Prefint.666", factory);
  DataFolder folder{temp.path()};
  const Settings settings{folder};
  EXPECT_FALSE(isFirstStart(settings)) << "before the write test the folder counts as read-only";
  recordFirstStart(settings);
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), factory);
  folder.setWritable(true);
  EXPECT_TRUE(isFirstStart(settings));
  recordFirstStart(settings);
  EXPECT_FALSE(isFirstStart(settings));
  EXPECT_EQ(settings.readSetting(setting::kStarted), 1);

  temp.writeFile("Zari666/Prefint.666", std::string(8, '\0'));
  EXPECT_FALSE(isFirstStart(settings)) << "a settings file that cannot be read welcomes nobody";
}

TEST(HandOffTest, InstallationWordsWelcomeAndSomeCreateTheMenuGroup) {
  const std::string installed =
      toWin1252("L'installation est terminée. Bienvenue dans Vorlane version 1.3.\nBon jeu !");
  EXPECT_EQ(handOffFor("ins"), (HandOff{false, installed}));
  EXPECT_EQ(handOffFor("insrac"), (HandOff{true, installed}));
}

TEST(HandOffTest, UpdateWordsPointToTheReadMe) {
  const std::string updated = toWin1252(
      "L'installation est terminée. Bienvenue dans Vorlane version 1.3.\n"
      "Vous pouvez consulter les principales modifications apportées dans le fichier "
      "Lisezmoi.wri du répertoire Vorlane.\nBon jeu !");
  EXPECT_EQ(handOffFor("maj"), (HandOff{false, updated}));
  EXPECT_EQ(handOffFor("majrac"), (HandOff{true, updated}));
}

TEST(HandOffTest, OtherParametersAreComparedExactlyAndIgnored) {
  for (const char* word : {"", "INS", "ins ", "Maj", "install", "rac"})
    EXPECT_EQ(handOffFor(word), std::nullopt) << word;
}

}  // namespace
}  // namespace vorlane
