#include "prefs/Preferences.h"

#include <gtest/gtest.h>

#include "controls/BackgroundRules.h"
#include "data/DataFolder.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

namespace fs = std::filesystem;

constexpr ScreenFacts kWideScreen{1024, 24, false};
constexpr ScreenFacts kScreen640{640, 24, false};
constexpr ScreenFacts kNarrowScreen{600, 24, false};
constexpr ScreenFacts kLargeFonts{1024, 24, true};

class PreferencesFilesTest : public ::testing::Test {
 protected:
  PreferencesFilesTest() {
    temp.writeFile("Zari666/Prefint.666", std::string(4 * setting::kRecordCount, '\0'));
    folder.setWritable(true);
  }
  void writeBitmaps(const fs::path& relative, std::initializer_list<const char*> names) {
    for (const char* name : names) temp.writeFile(relative / name, "BM");
  }

  test::TempFolder temp;
  DataFolder folder{temp.path()};
  Settings settings{folder};
};

TEST_F(PreferencesFilesTest, PatternsAreTheBitmapsSortedWithoutRegardToCase) {
  writeBitmaps("Zari666", {"vert.bmp", "Blue.BMP", "cotebl.Bmp", "azl.666", "bmp", ".bmp", "notes.txt"});
  PatternNames names;
  names[6] = "kept.bmp";
  EXPECT_EQ(findPatterns(temp.dataFolder(), names), 3);
  EXPECT_EQ(names[3], "Blue.BMP");
  EXPECT_EQ(names[4], "cotebl.Bmp");
  EXPECT_EQ(names[5], "vert.bmp");
  EXPECT_EQ(names[6], "kept.bmp") << "slots after the last name keep what they held";
  EXPECT_TRUE(names[2].empty());
}

TEST_F(PreferencesFilesTest, AtMostFifteenPatterns) {
  for (char c = 'a'; c <= 'q'; ++c) temp.writeFile(fs::path("Zari666") / (std::string(1, c) + ".bmp"), "BM");
  PatternNames names;
  EXPECT_EQ(findPatterns(temp.dataFolder(), names), 15);
  EXPECT_EQ(names[3], "a.bmp");
  EXPECT_EQ(names[17], "o.bmp");
}

TEST_F(PreferencesFilesTest, FewPatternsBesideTheProgramSendTheSearchToTheDataFolder) {
  writeBitmaps(".", {"old1.bmp", "old2.bmp"});
  writeBitmaps("Zari666", {"b.bmp", "c.bmp", "d.bmp", "e.bmp", "f.bmp", "g.bmp", "h.bmp",
                           "i.bmp", "j.bmp", "k.bmp", "l.bmp", "m.bmp", "n.bmp", "o.bmp"});
  const PatternNames names = findPatternsAtStartup(folder);
  EXPECT_EQ(names[3], "b.bmp");
  EXPECT_EQ(names[16], "o.bmp");
  EXPECT_TRUE(names[17].empty());
}

TEST_F(PreferencesFilesTest, ElevenPatternsBesideTheProgramAreEnoughTenAreNot) {
  writeBitmaps(".", {"a.bmp", "b.bmp", "c.bmp", "d.bmp", "e.bmp", "f.bmp", "g.bmp", "h.bmp",
                     "i.bmp", "j.bmp"});
  writeBitmaps("Zari666", {"z.bmp"});
  EXPECT_EQ(findPatternsAtStartup(folder)[3], "z.bmp") << "ten: the data folder's are looked for";
  writeBitmaps(".", {"k.bmp"});
  const PatternNames names = findPatternsAtStartup(folder);
  EXPECT_EQ(names[3], "a.bmp");
  EXPECT_EQ(names[13], "k.bmp");
  EXPECT_TRUE(names[14].empty());
}

TEST_F(PreferencesFilesTest, AMissingPatternFallsBackToTheFirst) {
  writeBitmaps("Zari666", {"blue.bmp", "pave.bmp"});
  PatternNames names;
  findPatterns(temp.dataFolder(), names);
  EXPECT_EQ(patternFile(folder, names, 4), temp.dataFolder() / "pave.bmp");
  EXPECT_EQ(patternFile(folder, names, 17), temp.dataFolder() / "blue.bmp");
  fs::remove(temp.dataFolder() / "pave.bmp");
  EXPECT_EQ(patternFile(folder, names, 4), temp.dataFolder() / "blue.bmp");
  EXPECT_EQ(patternFile(folder, names, 2), std::nullopt);
  EXPECT_EQ(patternFile(folder, names, 18), std::nullopt);
  EXPECT_EQ(patternFile(folder, PatternNames{}, 5), std::nullopt);
}

TEST(LargeTilesTest, ScreenAndLargeFontsOverruleTheRecord) {
  EXPECT_TRUE(largeTilesAtStartup(false, kScreen640));
  EXPECT_TRUE(largeTilesAtStartup(false, kLargeFonts));
  EXPECT_TRUE(largeTilesAtStartup(false, {600, 24, true}));
  EXPECT_FALSE(largeTilesAtStartup(true, kNarrowScreen));
  EXPECT_TRUE(largeTilesAtStartup(true, kWideScreen));
  EXPECT_FALSE(largeTilesAtStartup(false, kWideScreen));
}

TEST(ChoiceVisibilityTest, EachLineShowsItsControls) {
  // largeTiles, widestWindow, noProperNouns, backgroundBox, thumbs, panels
  EXPECT_EQ(choiceVisibility(0, true, kWideScreen), (ChoiceVisibility{true, true, false, false, false, true}));
  EXPECT_EQ(choiceVisibility(0, false, kScreen640), (ChoiceVisibility{false, true, false, false, false, true}));
  EXPECT_EQ(choiceVisibility(0, false, kLargeFonts), (ChoiceVisibility{false, true, false, false, false, true}));
  EXPECT_EQ(choiceVisibility(1, true, kWideScreen), (ChoiceVisibility{false, false, false, true, true, true}));
  EXPECT_EQ(choiceVisibility(1, false, kWideScreen), (ChoiceVisibility{false, false, false, true, false, false}));
  EXPECT_EQ(choiceVisibility(2, true, kWideScreen), (ChoiceVisibility{false, false, false, false, false, true}));
  EXPECT_EQ(choiceVisibility(3, true, kWideScreen), (ChoiceVisibility{false, false, true, false, false, false}));
}

TEST(InformationLineTest, TextsOfTheLinesAndTheThumbnails) {
  EXPECT_EQ(informationText(1, 24), "Motifs disponibles");
  EXPECT_EQ(win1252ToUtf8(informationText(0, 16)), "résolution 16 bits");
  EXPECT_EQ(win1252ToUtf8(informationText(3, 8)), "résolution 8 bits");
  PatternNames names;
  names[7] = "jaunbul.bmp";
  EXPECT_EQ(thumbnailCaption(7, names), "jaunbul.bmp");
  EXPECT_EQ(thumbnailCaption(2, names), toWin1252("dégradé"));
  EXPECT_EQ(thumbnailCaption(18, names), std::nullopt);
  // Gradients are 0 to 2, patterns 3 to 17 (an empty slot has an empty caption).
  names[3] = "blue.bmp";
  names[17] = "violet.bmp";
  EXPECT_EQ(thumbnailCaption(0, names), toWin1252("dégradé"));
  EXPECT_EQ(thumbnailCaption(3, names), "blue.bmp");
  EXPECT_EQ(thumbnailCaption(17, names), "violet.bmp");
  EXPECT_EQ(thumbnailCaption(16, names), "");
  EXPECT_EQ(thumbnailCaption(-1, names), std::nullopt);
}

TEST(SwatchTest, BackgroundLineShowsGreyWhileAPatternIsUsed) {
  const ColourTable colours{0x112233, 0x0000FF, 0xFFFFFF, 0x445566};
  PreferenceChoices choices;
  choices.patternIndex = 7;
  for (int line = 0; line < 4; ++line) {
    choices.line = line;
    EXPECT_EQ(swatchColour(choices, colours), line == 1 ? kSilver : colours[line]);
  }
  choices.line = 1;
  choices.patternIndex = 18;
  EXPECT_EQ(swatchColour(choices, colours), 0x0000FFu);
}

TEST(SwatchTest, CaptionIsBlackOnLightColoursAndWhiteOnDarkOnes) {
  // Navy, black, a deep red (red in the low byte) and teal take white; the window's grey,
  // white, yellow and a light green take black.
  for (Colour dark : {0x800000u, 0x000000u, 0x000080u, 0x808000u, 0x7F7F7Fu})
    EXPECT_EQ(swatchTextColour(dark), kWhite) << std::hex << dark;
  for (Colour light : {kSilver, 0xFFFFFFu, 0x00FFFFu, 0x80FF80u, 0x808080u})
    EXPECT_EQ(swatchTextColour(light), kBlack) << std::hex << light;
  // Each channel counts with its own weight: a mid-grey with a full blue is light, a full red
  // or a full blue alone is dark, a full green alone is light.
  EXPECT_EQ(swatchTextColour(0xFF8080u), kBlack);
  EXPECT_EQ(swatchTextColour(0x0000FFu), kWhite);
  EXPECT_EQ(swatchTextColour(0xFF0000u), kWhite);
  EXPECT_EQ(swatchTextColour(0x00FF00u), kBlack);
  // Close to the turn, blue's own weight decides: 127 882 and exactly 128 000 thousandths.
  EXPECT_EQ(swatchTextColour(0xE47373u), kWhite);
  EXPECT_EQ(swatchTextColour(0x93BD01u), kBlack);
}

TEST_F(PreferencesFilesTest, CloseWritesTheSevenRecordsAndNothingElse) {
  settings.writeSetting(setting::kTrainingMode, 1);
  settings.writeSetting(setting::kWindowTop, 77);
  PreferenceChoices choices{12, 3, true, {true, true}, true, true};
  savePreferences(settings, choices);
  EXPECT_EQ(settings.readSetting(setting::kPattern), 12);
  EXPECT_EQ(settings.readSetting(setting::kColourListLine), 3);
  EXPECT_EQ(settings.readSetting(setting::kBackgroundShown), 1);
  EXPECT_EQ(settings.readSetting(setting::kLargeTiles), 1);
  EXPECT_EQ(settings.readSetting(setting::kWidestWindow), 1);
  EXPECT_EQ(settings.readSetting(setting::kAlwaysCentred), 1);
  EXPECT_EQ(settings.readSetting(setting::kNoProperNouns), 1);
  EXPECT_EQ(settings.readSetting(setting::kTrainingMode), 1);
  EXPECT_EQ(settings.readSetting(setting::kWindowTop), 77);

  // Read back as the next start does: on a wide screen the two size boxes are what was
  // written; on a screen of 640 pixels "Grande police" stays on whatever was written.
  const PreferenceChoices wide = readPreferences(settings, kWideScreen, false, true);
  EXPECT_EQ(wide.line, 3);
  EXPECT_EQ(wide.layout, (LayoutPreferences{true, true}));
  EXPECT_TRUE(wide.noProperNouns) << "the main window's flag";
  EXPECT_FALSE(wide.centred);
  savePreferences(settings, PreferenceChoices{18, 1, false, {false, false}, false, false});
  for (const int record : {setting::kBackgroundShown, setting::kLargeTiles, setting::kWidestWindow,
                           setting::kAlwaysCentred, setting::kNoProperNouns}) {
    EXPECT_EQ(settings.readSetting(record), 0) << "record " << record;
  }
  EXPECT_EQ(readPreferences(settings, kWideScreen, false, false).layout,
            (LayoutPreferences{false, false}));
  const PreferenceChoices next = readPreferences(settings, kScreen640, true, false);
  EXPECT_EQ(next.line, 1);
  EXPECT_TRUE(next.layout.largeTiles);
  EXPECT_FALSE(next.layout.widestWindow);
  EXPECT_TRUE(next.centred) << "the main window's flag, read from record 19 at its start";
}

TEST_F(PreferencesFilesTest, NothingIsWrittenWhileTheDataFolderIsNotWritable) {
  folder.setWritable(false);
  savePreferences(settings, PreferenceChoices{12, 3, true, {true, true}, true, true});
  EXPECT_EQ(settings.readSetting(setting::kPattern), 0);
  EXPECT_EQ(settings.readSetting(setting::kLargeTiles), 0);
}

TEST_F(PreferencesFilesTest, ADamagedLineRecordSelectsTheFirstLine) {
  settings.writeSetting(setting::kColourListLine, 9);
  EXPECT_EQ(readPreferences(settings, kWideScreen, false, false).line, 0);
  settings.writeSetting(setting::kColourListLine, -1);
  EXPECT_EQ(readPreferences(settings, kWideScreen, false, false).line, 0);
  settings.writeSetting(setting::kColourListLine, 4);
  EXPECT_EQ(readPreferences(settings, kWideScreen, false, false).line, 0);
  settings.writeSetting(setting::kColourListLine, 3);
  EXPECT_EQ(readPreferences(settings, kWideScreen, false, false).line, 3) << "the last line";
}

TEST(ResetPreferencesTest, DefaultsLeaveTheBackgroundColour) {
  ColourTable colours{0x123456, 0x0000FF, 0x00FF00, 0x00FF00};
  PreferenceChoices choices{18, 2, true, {false, true}, false, true};
  resetPreferences(choices, colours);
  EXPECT_EQ(choices, (PreferenceChoices{5, 0, false, {true, false}, true, false}));
  EXPECT_EQ(colours, (ColourTable{kTeal, 0x0000FF, kWhite, 0x00FF00}));
}

TEST(CentringTest, LeftOfACentredWindow) {
  EXPECT_EQ(centredLeft(1024, 636), 194);
  EXPECT_EQ(centredLeft(800, 517), 142);
}

}  // namespace
}  // namespace vorlane
