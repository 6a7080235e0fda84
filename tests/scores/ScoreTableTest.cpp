#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "scores/ScoreFiles.h"
#include "scores/ScoreTable.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::nameRecordBytes;
using test::namesBytes;
using test::settingsBytes;
using Points = test::ScorePoints;
using Names = test::ScoreNames;

const Names kSeniorNames = {"ANNE", "BRUNO", "CLARA", "DAVID", "EMMA", "FELIX"};
const Names kJuniorNames = {"JULES", "KIM", "LEA", "MILO", "NINA", "OSCAR"};
const Points kJuniorPoints = {90, 80, 70, 60, 50, 40};

class ScoreTableTest : public ::testing::Test {
 protected:
  ScoreTableTest() : folder_(temp_.path()) { folder_.setWritable(true); }

  void writeFiles(const Points& senior, const Points& junior = kJuniorPoints) {
    temp_.writeFile("Zari666/Prefint.666", settingsBytes(senior, junior));
    temp_.writeFile("Zari666/stx.666", namesBytes(kSeniorNames, kJuniorNames));
  }
  std::string settingsFile() const { return temp_.readFile("Zari666/Prefint.666"); }
  std::string namesFile() const { return temp_.readFile("Zari666/stx.666"); }

  // The counted text of a names record.
  std::string storedName(int record) const {
    std::string bytes = namesFile().substr(static_cast<std::size_t>(record) * kScoreNameRecordSize,
                                           kScoreNameRecordSize);
    return bytes.substr(1, static_cast<unsigned char>(bytes[0]));
  }

  Points shownPoints() const {
    Points points{};
    for (int r = 1; r <= kScoreRows; ++r)
      points[static_cast<std::size_t>(r - 1)] = table_.row(r).points;
    return points;
  }
  Names shownNames() const {
    Names names;
    for (int r = 1; r <= kScoreRows; ++r)
      names[static_cast<std::size_t>(r - 1)] = table_.row(r).name;
    return names;
  }

  test::TempFolder temp_;
  DataFolder folder_;
  ScoreTable table_{folder_};
};

struct PlacingCase {
  const char* what;
  Points before;
  std::int32_t score;
  int row;
  Points after;
  Names namesAfter;
};

TEST_F(ScoreTableTest, PlacingRuleGivesTheRowAndMovesTheRowsBelow) {
  const std::vector<PlacingCase> cases = {
      {"equal scores: the new one goes below both",
       {500, 400, 400, 300, 0, 0},
       400,
       4,
       {500, 400, 400, 400, 300, 0},
       {"ANNE", "BRUNO", "CLARA", " ", "DAVID", "EMMA"}},
      {"equal to row 6: not placed",
       {600, 500, 400, 300, 200, 100},
       100,
       0,
       {600, 500, 400, 300, 200, 100},
       kSeniorNames},
      {"zero on an empty table: never placed",
       {0, 0, 0, 0, 0, 0},
       0,
       0,
       {0, 0, 0, 0, 0, 0},
       kSeniorNames},
      {"below row 6: not placed",
       {600, 500, 400, 300, 200, 100},
       99,
       0,
       {600, 500, 400, 300, 200, 100},
       kSeniorNames},
      {"an empty row moves nothing",
       {500, 400, 0, 0, 0, 0},
       100,
       3,
       {500, 400, 100, 0, 0, 0},
       {"ANNE", "BRUNO", " ", "DAVID", "EMMA", "FELIX"}},
      {"best score: everything moves down",
       {600, 500, 400, 300, 200, 100},
       601,
       1,
       {601, 600, 500, 400, 300, 200},
       {" ", "ANNE", "BRUNO", "CLARA", "DAVID", "EMMA"}},
      {"just above row 6: row 6 replaced",
       {600, 500, 400, 300, 200, 100},
       101,
       6,
       {600, 500, 400, 300, 200, 101},
       {"ANNE", "BRUNO", "CLARA", "DAVID", "EMMA", " "}},
      {"first game on an empty table",
       {0, 0, 0, 0, 0, 0},
       1,
       1,
       {1, 0, 0, 0, 0, 0},
       {" ", "BRUNO", "CLARA", "DAVID", "EMMA", "FELIX"}},
  };
  for (const PlacingCase& c : cases) {
    SCOPED_TRACE(c.what);
    writeFiles(c.before);
    table_.loadScores(false, true);
    const std::string settingsBefore = settingsFile();
    const std::string namesBefore = namesFile();

    EXPECT_EQ(table_.rankOf(c.score), c.row);
    EXPECT_EQ(table_.insertScore(c.score), c.row);
    EXPECT_EQ(shownPoints(), c.after);
    EXPECT_EQ(shownNames(), c.namesAfter);
    EXPECT_EQ(table_.pendingEntry(), c.row != 0);
    EXPECT_EQ(table_.entryRow(), c.row);
    EXPECT_EQ(table_.classButtonVisible(), c.row == 0);
    // Placing writes nothing: only the commit does.
    EXPECT_EQ(settingsFile(), settingsBefore);
    EXPECT_EQ(namesFile(), namesBefore);
  }
}

TEST_F(ScoreTableTest, RankOfLeavesTableEntryAndFilesAlone) {
  writeFiles({500, 400, 400, 300, 0, 0});
  table_.loadScores(false, true);
  const Names namesBefore = shownNames();
  const std::string settingsBefore = settingsFile();

  EXPECT_EQ(table_.rankOf(450), 2);
  EXPECT_EQ(table_.rankOf(400), 4);
  EXPECT_EQ(table_.rankOf(0), 0);
  EXPECT_EQ(shownPoints(), (Points{500, 400, 400, 300, 0, 0}));
  EXPECT_EQ(shownNames(), namesBefore);
  EXPECT_FALSE(table_.pendingEntry());
  EXPECT_EQ(table_.entryRow(), 0);
  EXPECT_TRUE(table_.classButtonVisible());
  EXPECT_EQ(settingsFile(), settingsBefore);
}

TEST_F(ScoreTableTest, CommitBuildsTheNameFromTheNonBlankTiles) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {" A B  ", "AB"},
      {"      ", "666"},
      {"ZOE   ", "ZOE"},
      {"ABCDEF", "ABCDEF"},
      {"     Q", "Q"},
      {"az 0 9", "az09"},
      {toWin1252("ÉlŸœ à"), toWin1252("ÉlŸœà")},
      {toWin1252("ŠŒŽ‹šž"), toWin1252("ŠŒŽšž")},  // ‹ sits between Š and Œ
      // × and ÷ sit among the accented letters but are none; nor is ¿, just before À.
      {toWin1252("À×Ø÷¿ø"), toWin1252("ÀØø")}};
  for (const auto& [typed, stored] : cases) {
    SCOPED_TRACE(typed);
    writeFiles({500, 400, 300, 200, 100, 0});
    table_.loadScores(false, true);
    ASSERT_EQ(table_.insertScore(250), 4);
    EXPECT_EQ(table_.entryText(), "      ");
    table_.setEntryText(typed);
    EXPECT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::Saved);
    EXPECT_EQ(table_.row(4).name, stored);
    EXPECT_EQ(storedName(4), stored);
    EXPECT_FALSE(table_.pendingEntry());
    EXPECT_EQ(table_.entryRow(), 0);
    EXPECT_TRUE(table_.classButtonVisible());
  }
}

TEST_F(ScoreTableTest, CommitWritesTheWholeTableOfTheClassPlayed) {
  writeFiles({500, 400, 400, 300, 0, 0});
  table_.loadScores(false, true);
  ASSERT_EQ(table_.insertScore(600), 1);  // every row changes
  table_.setEntryText("PAUL  ");
  ASSERT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::Saved);

  const Names senior = {"PAUL", "ANNE", "BRUNO", "CLARA", "DAVID", "EMMA"};
  EXPECT_EQ(settingsFile(), settingsBytes({600, 500, 400, 400, 300, 0}, kJuniorPoints));
  const std::string names = namesFile();
  ASSERT_EQ(names.size(), 13 * kScoreNameRecordSize);
  // Record 0 and the Junior records are untouched; the bytes after a name are not ours.
  EXPECT_EQ(names.substr(0, kScoreNameRecordSize), nameRecordBytes("unused"));
  for (int r = 1; r <= kScoreRows; ++r) {
    const std::string& name = senior[static_cast<std::size_t>(r - 1)];
    EXPECT_EQ(names.substr(static_cast<std::size_t>(r) * kScoreNameRecordSize, 1 + name.size()),
              nameRecordBytes(name).substr(0, 1 + name.size()));
  }
  EXPECT_EQ(names.substr(7 * kScoreNameRecordSize),
            namesBytes(kSeniorNames, kJuniorNames).substr(7 * kScoreNameRecordSize));
}

TEST_F(ScoreTableTest, JuniorCommitWritesTheJuniorRecordsOnly) {
  writeFiles({500, 400, 300, 200, 100, 50});
  table_.setJuniorClass(true);
  table_.loadScores(true, true);
  ASSERT_EQ(table_.insertScore(85), 2);
  table_.setEntryText(toWin1252("ZOÉ   "));
  ASSERT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::Saved);

  EXPECT_EQ(settingsFile(), settingsBytes({500, 400, 300, 200, 100, 50}, {90, 85, 80, 70, 60, 50}));
  const Names juniorAfter = {"JULES", toWin1252("ZOÉ"), "KIM", "LEA", "MILO", "NINA"};
  for (int r = 1; r <= kScoreRows; ++r) {
    EXPECT_EQ(storedName(r), kSeniorNames[static_cast<std::size_t>(r - 1)]);
    EXPECT_EQ(storedName(6 + r), juniorAfter[static_cast<std::size_t>(r - 1)]);
  }
}

TEST_F(ScoreTableTest, CommitShowsTheCompletedTableBeforeWriting) {
  writeFiles({500, 400, 300, 200, 100, 0});
  table_.loadScores(false, true);
  ASSERT_EQ(table_.insertScore(50), 6);
  table_.setEntryText("LOU   ");
  const std::string settingsBefore = settingsFile();
  bool shown = false;
  table_.commitEntry([&] {
    shown = true;
    EXPECT_EQ(table_.row(6).name, "LOU");
    EXPECT_EQ(table_.entryRow(), 0);
    EXPECT_FALSE(table_.classButtonVisible());
    EXPECT_EQ(settingsFile(), settingsBefore);
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(storedName(6), "LOU");
}

TEST_F(ScoreTableTest, CommitWithoutPendingEntryDoesNothing) {
  writeFiles({500, 400, 300, 200, 100, 0});
  table_.loadScores(false, true);
  const std::string namesBefore = namesFile();
  bool shown = false;
  EXPECT_EQ(table_.commitEntry([&] { shown = true; }), ScoreTable::CommitOutcome::NothingPending);
  EXPECT_FALSE(shown);
  EXPECT_EQ(namesFile(), namesBefore);

  // A reload drops a placed score that was never named.
  ASSERT_EQ(table_.insertScore(450), 2);
  table_.loadScores(false, false);
  EXPECT_FALSE(table_.pendingEntry());
  EXPECT_EQ(table_.entryRow(), 0);
  EXPECT_TRUE(table_.classButtonVisible());
  EXPECT_EQ(table_.row(2), (ScoreRow{"BRUNO", 400}));
  EXPECT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::NothingPending);
  EXPECT_EQ(namesFile(), namesBefore);
}

TEST_F(ScoreTableTest, ReadOnlyModeWritesNothingAndKeepsTheNamedRow) {
  writeFiles({500, 400, 300, 200, 100, 0});
  folder_.setWritable(false);
  table_.loadScores(false, true);
  const std::string settingsBefore = settingsFile();
  const std::string namesBefore = namesFile();

  ASSERT_EQ(table_.insertScore(450), 2);
  table_.setEntryText("MAX   ");
  EXPECT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::ReadOnly);
  EXPECT_EQ(table_.row(2), (ScoreRow{"MAX", 450}));
  table_.clearScores();
  EXPECT_EQ(settingsFile(), settingsBefore);
  EXPECT_EQ(namesFile(), namesBefore);
  // The clear's reload shows the files, which did not change.
  EXPECT_EQ(shownPoints(), (Points{500, 400, 300, 200, 100, 0}));
  EXPECT_EQ(table_.readOnlyNotice(),
            toWin1252("Application lancée à partir d'un disque protégé en écriture. ") +
                "Impossible d'enregistrer les scores.");
  // Not a write-protected disk but a damaged settings file: the notice gives that reason.
  folder_.setUnsavedReason(toWin1252("Zari666/Prefint.666 : c'est un dossier"));
  EXPECT_EQ(table_.readOnlyNotice(),
            toWin1252("Le fichier des réglages ne peut pas servir (Zari666/Prefint.666 : c'est un "
                      "dossier). Impossible d'enregistrer les scores."));
}

TEST_F(ScoreTableTest, AFailedSaveWritesNeitherFile) {
  // No working settings file: points read from the factory copy, but cannot be written.
  temp_.writeFile("Zari666/Nsco.666", settingsBytes({500, 400, 300, 200, 100, 0}, kJuniorPoints));
  temp_.writeFile("Zari666/stx.666", namesBytes(kSeniorNames, kJuniorNames));
  table_.loadScores(false, true);
  ASSERT_EQ(table_.insertScore(600), 1);
  table_.setEntryText("IVY   ");

  EXPECT_THROW(table_.commitEntry(), IoError);
  // No name without its points: ANNE keeps her row in the names file.
  EXPECT_EQ(namesFile(), namesBytes(kSeniorNames, kJuniorNames));
  EXPECT_FALSE(temp_.exists("Zari666/Prefint.666"));
  EXPECT_FALSE(table_.pendingEntry());

  // A settings file emptied by a damaged disk: the names stay, the reason is told.
  temp_.writeFile("Zari666/Prefint.666", "");
  ASSERT_EQ(table_.insertScore(700), 1);
  table_.setEntryText("ZORRO ");
  try {
    table_.commitEntry();
    ADD_FAILURE() << "a save into an empty settings file went unreported";
  } catch (const IoError& error) {
    EXPECT_EQ(error.file().filename(), "Prefint.666");
    EXPECT_NE(std::string(error.what()).find(toWin1252("endommagé")), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(namesFile(), namesBytes(kSeniorNames, kJuniorNames));
  EXPECT_EQ(settingsFile(), "");
}

TEST_F(ScoreTableTest, ClearEmptiesRowsTwoToSixOfTheClassPlayedOnly) {
  for (bool junior : {false, true}) {
    SCOPED_TRACE(junior ? "junior" : "senior");
    writeFiles({500, 400, 300, 200, 100, 50});
    table_.setJuniorClass(junior);
    table_.loadScores(junior, true);
    const std::string title = table_.title();
    const std::string caption = table_.classButtonCaption();

    table_.clearScores();

    const Points cleared = {junior ? 90 : 500, 0, 0, 0, 0, 0};
    EXPECT_EQ(settingsFile(), junior ? settingsBytes({500, 400, 300, 200, 100, 50}, cleared)
                                     : settingsBytes(cleared, kJuniorPoints));
    const Names& kept = junior ? kSeniorNames : kJuniorNames;
    const Names& clearedNames = junior ? kJuniorNames : kSeniorNames;
    const int keptBase = junior ? 0 : 6;
    const int clearedBase = junior ? 6 : 0;
    EXPECT_EQ(storedName(clearedBase + 1), clearedNames[0]);
    for (int r = 1; r <= kScoreRows; ++r) {
      EXPECT_EQ(storedName(keptBase + r), kept[static_cast<std::size_t>(r - 1)]);
      if (r > 1) {
        EXPECT_EQ(storedName(clearedBase + r), "");
      }
    }
    EXPECT_EQ(shownPoints(), cleared);
    EXPECT_EQ(table_.row(1).name, clearedNames[0]);
    EXPECT_EQ(table_.row(2).name, "");
    EXPECT_EQ(table_.title(), title);
    EXPECT_EQ(table_.classButtonCaption(), caption);
  }
}

TEST_F(ScoreTableTest, TitleAndCaptionFollowTheClassLoaded) {
  EXPECT_EQ(table_.title(), "Le top 6");
  writeFiles({500, 400, 300, 200, 100, 50});

  table_.loadScores(false, true);
  EXPECT_EQ(table_.title(), "Le top 6 senior");
  EXPECT_EQ(table_.classButtonCaption(), "Top junior");
  EXPECT_EQ(table_.row(1), (ScoreRow{"ANNE", 500}));

  // The class button shows the other class while held, without touching its caption.
  table_.loadScores(true, false);
  EXPECT_EQ(table_.title(), "Le top 6 junior");
  EXPECT_EQ(table_.classButtonCaption(), "Top junior");
  EXPECT_EQ(table_.row(6), (ScoreRow{"OSCAR", 40}));
  EXPECT_TRUE(table_.shownJunior());

  table_.loadScores(true, true);
  EXPECT_EQ(table_.classButtonCaption(), "Top senior");
}

TEST_F(ScoreTableTest, MissingFilesFallBackToFactoryCopiesThenToEmpty) {
  table_.loadScores(false, true);
  for (int r = 1; r <= kScoreRows; ++r) EXPECT_EQ(table_.row(r), (ScoreRow{"", 0}));

  temp_.writeFile("Zari666/Nsco.666", settingsBytes({9, 8, 7, 6, 5, 4}, kJuniorPoints));
  temp_.writeFile("Zari666/Nscostx.666", namesBytes(kJuniorNames, kSeniorNames));
  table_.loadScores(false, true);
  EXPECT_EQ(table_.row(1), (ScoreRow{"JULES", 9}));
  EXPECT_EQ(table_.row(6), (ScoreRow{"OSCAR", 4}));
}

TEST_F(ScoreTableTest, DamagedFilesShowWhatCanBeReadThenReportTheFailure) {
  // 25 records: the Junior rows 1 and 2 are in the file, rows 3..6 are not.
  temp_.writeFile("Zari666/Prefint.666", settingsBytes({1, 2, 3, 4, 5, 6}, kJuniorPoints, 25));
  std::string names = namesBytes(kSeniorNames, kJuniorNames);
  std::string longRecord(kScoreNameRecordSize, 'W');
  longRecord[0] = static_cast<char>(220);  // length byte past 150
  names.replace(7 * kScoreNameRecordSize, kScoreNameRecordSize, longRecord);
  names.resize(10 * kScoreNameRecordSize + 20);  // record 10 cut short, 11 and 12 missing
  temp_.writeFile("Zari666/stx.666", names);
  table_.setJuniorClass(true);

  try {
    table_.loadScores(true, true);
    ADD_FAILURE() << "the unreadable records went unreported";
  } catch (const IoError& error) {
    EXPECT_EQ(error.file().filename(), "Prefint.666") << "the first failure: row 3's points";
  }
  EXPECT_EQ(table_.title(), "Le top 6 junior");
  EXPECT_EQ(table_.classButtonCaption(), "Top senior");
  EXPECT_EQ(table_.row(1), (ScoreRow{std::string(kScoreNameMaxLength, 'W'), 90}));
  EXPECT_EQ(table_.row(2), (ScoreRow{"KIM", 80}));
  EXPECT_EQ(table_.row(3), (ScoreRow{"LEA", 0}));
  EXPECT_EQ(table_.row(4), (ScoreRow{"", 0}));
  EXPECT_EQ(table_.row(6), (ScoreRow{"", 0}));

  // A commit stops at the first record outside a file and lengthens neither file.
  ASSERT_EQ(table_.insertScore(85), 2);
  EXPECT_THROW(table_.commitEntry(), IoError);
  EXPECT_EQ(settingsFile().size(), 25u * 4);
  EXPECT_EQ(namesFile().size(), 10 * kScoreNameRecordSize + 20);
  EXPECT_THROW(table_.clearScores(), IoError);
}

TEST_F(ScoreTableTest, OtherPlayersNamesAreWrittenBackAsStored) {
  const Names senior = {"JEAN-LUC", "O'HARA", "K\x01M", "ANNE", "", "Z\xE9 BO"};
  temp_.writeFile("Zari666/Prefint.666", settingsBytes({600, 500, 400, 300, 200, 100}, kJuniorPoints));
  temp_.writeFile("Zari666/stx.666", namesBytes(senior, kJuniorNames));
  table_.loadScores(false, true);
  EXPECT_EQ(shownNames(), senior);
  ASSERT_EQ(table_.insertScore(350), 4);
  table_.setEntryText("E-V'A\x01");
  ASSERT_EQ(table_.commitEntry(), ScoreTable::CommitOutcome::Saved);
  EXPECT_EQ(table_.row(4).name, "EVA") << "only the name typed is filtered";
  for (int r : {1, 2, 3}) EXPECT_EQ(storedName(r), senior[static_cast<std::size_t>(r - 1)]) << r;
  EXPECT_EQ(storedName(5), "ANNE");
  EXPECT_EQ(storedName(6), "");
}

}  // namespace
}  // namespace vorlane
