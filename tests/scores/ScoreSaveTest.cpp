#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "scores/ScoreFiles.h"
#include "scores/ScoreTable.h"
#include "support/FileFaults.h"
#include "support/TempFolder.h"

// The save of a top-six table: cut short at any step, by an error or by the end of the
// program, it leaves the old table or the new one, never a mix; two copies of the game on
// one folder both keep their scores.
namespace vorlane {
namespace {

using test::FileFaults;
using test::namesBytes;
using test::settingsBytes;
using Points = test::ScorePoints;
using Names = test::ScoreNames;

const Names kSenior = {"ARNAUD", "BRUNO", "CLARA", "DAVID", "EMMA", "FELIX"};
const Names kJunior = {"JULES", "KIM", "LEA", "MILO", "NINA", "OSCAR"};
const Points kSeniorPoints = {600, 500, 400, 300, 200, 100};
const Points kJuniorPoints = {90, 80, 70, 60, 50, 40};

struct Files {
  std::string settings;
  std::string names;
  bool operator==(const Files&) const = default;
};

class ScoreSaveTest : public ::testing::Test {
 protected:
  ScoreSaveTest() { folder_.setWritable(true); }

  void writeFiles(const Files& files) const {
    temp_.writeFile("Zari666/Prefint.666", files.settings);
    temp_.writeFile("Zari666/stx.666", files.names);
  }
  Files files() const {
    return {temp_.readFile("Zari666/Prefint.666"), temp_.readFile("Zari666/stx.666")};
  }
  std::vector<std::string> dataFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp_.dataFolder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  // One game's end: a table read from the files, the score placed and named.
  static void placeAndName(ScoreTable& table, std::int32_t score, const std::string& name) {
    table.loadScores(false, true);
    ASSERT_GT(table.insertScore(score), 0);
    table.setEntryText(name);
  }

  // The rows a new start shows.
  std::array<ScoreRow, kScoreRows> shownAtNextStart() const {
    ScoreTable table(folder_);
    table.loadScores(false, true);
    return table.rows();
  }

  const Files before_{settingsBytes(kSeniorPoints, kJuniorPoints), namesBytes(kSenior, kJunior)};
  const Files after_{settingsBytes({600, 550, 500, 400, 300, 200}, kJuniorPoints),
                     namesBytes({"ARNAUD", "ZORRO", "BRUNO", "CLARA", "DAVID", "EMMA"}, kJunior)};
  test::TempFolder temp_;
  DataFolder folder_{temp_.path()};
};

TEST_F(ScoreSaveTest, ASaveFailingAtAnyStepLeavesTheOldTableAndSaysWhy) {
  FileFaults faults;
  writeFiles(before_);
  {
    ScoreTable table(folder_);
    placeAndName(table, 550, "ZORRO ");
    faults.failAt(0, 0);
    ASSERT_EQ(table.commitEntry(), ScoreTable::CommitOutcome::Saved);
  }
  ASSERT_EQ(files(), after_);
  const int steps = faults.steps();
  ASSERT_GE(steps, 6) << "two copies written, flushed and renamed";

  const std::vector<std::string> entries = {"Prefint.666", "stx.666"};
  for (int error : {EIO, ENOSPC}) {
    for (int n = 1; n <= steps; ++n) {
      SCOPED_TRACE("step " + std::to_string(n) + ", error " + std::to_string(error));
      writeFiles(before_);
      ScoreTable table(folder_);
      placeAndName(table, 550, "ZORRO ");
      faults.failAt(n, error);
      try {
        table.commitEntry();
        ADD_FAILURE() << "the failure went unreported";
      } catch (const IoError& failure) {
        const std::string file = failure.file().filename().string();
        EXPECT_TRUE(file == "Prefint.666" || file == "stx.666") << file;
        EXPECT_NE(std::string(failure.what()).find(systemReason(error)), std::string::npos)
            << failure.what();
      }
      faults.failAt(0, 0);
      const Files left = files();
      if (n < steps) {
        EXPECT_EQ(left, before_) << "both files as they were";
        EXPECT_EQ(dataFolderEntries(), entries) << "no copy left behind";
      } else {
        // The names failed to take their place after the settings took theirs: the
        // finished copy waits, and the next reading of the table puts it in place.
        EXPECT_EQ(left.settings, after_.settings);
        EXPECT_EQ(shownAtNextStart()[1], (ScoreRow{"ZORRO", 550}));
        EXPECT_EQ(files(), after_);
        EXPECT_EQ(dataFolderEntries(), entries);
      }
    }
  }
}

TEST_F(ScoreSaveTest, AKilledSaveLeavesTheOldTableOrTheNewAtTheNextStart) {
  FileFaults faults;
  int oldTables = 0;
  int newTables = 0;
  for (int n = 1;; ++n) {
    SCOPED_TRACE("killed at step " + std::to_string(n));
    writeFiles(before_);
    const int exit = test::inChildProcess([&] {
      ScoreTable table(folder_);
      placeAndName(table, 550, "ZORRO ");
      faults.killAt(n);
      table.commitEntry();
    });
    if (exit == 0) break;  // the save ran to its end before step n
    ASSERT_EQ(exit, FileFaults::kKilled);
    const auto rows = shownAtNextStart();
    const Files left = files();
    EXPECT_TRUE(left == before_ || left == after_);
    if (left == before_) {
      ++oldTables;
      EXPECT_EQ(rows[1], (ScoreRow{"BRUNO", 500}));
    } else {
      ++newTables;
      EXPECT_EQ(rows[1], (ScoreRow{"ZORRO", 550}));
    }
    EXPECT_EQ(dataFolderEntries(), (std::vector<std::string>{"Prefint.666", "stx.666"}));
  }
  EXPECT_GE(oldTables, 5);
  EXPECT_EQ(newTables, 1) << "killed between the two renames: the names' copy is put in place";
  EXPECT_EQ(files(), after_);
}

TEST_F(ScoreSaveTest, TwoCopiesOnOneFolderBothKeepTheirScores) {
  writeFiles(before_);
  // Both copies read the table before either saves, then save at the same moment.
  int loaded[2];
  int go[2];
  ASSERT_EQ(::pipe(loaded), 0);
  ASSERT_EQ(::pipe(go), 0);
  auto copy = [&](std::int32_t score, const std::string& name) {
    return [&, score, name] {
      ScoreTable table(folder_);
      placeAndName(table, score, name);
      char byte = 'L';
      if (::write(loaded[1], &byte, 1) != 1 || ::read(go[0], &byte, 1) != 1) ::_exit(2);
      if (table.commitEntry() != ScoreTable::CommitOutcome::Saved) ::_exit(3);
    };
  };
  std::vector<pid_t> children;
  for (const auto& [score, name] : {std::pair{550, "ZORRO "}, std::pair{450, "YVES  "}}) {
    const pid_t child = ::fork();
    if (child == 0) {
      try {
        copy(score, name)();
      } catch (...) {
        ::_exit(1);
      }
      ::_exit(0);
    }
    children.push_back(child);
  }
  char byte = 0;
  for (int copies = 0; copies < 2; ++copies) ASSERT_EQ(::read(loaded[0], &byte, 1), 1);
  ASSERT_EQ(::write(go[1], "GG", 2), 2);
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  const std::array<ScoreRow, kScoreRows> expected = {
      ScoreRow{"ARNAUD", 600}, ScoreRow{"ZORRO", 550}, ScoreRow{"BRUNO", 500},
      ScoreRow{"YVES", 450},   ScoreRow{"CLARA", 400}, ScoreRow{"DAVID", 300}};
  EXPECT_EQ(shownAtNextStart(), expected);
}

TEST_F(ScoreSaveTest, ACopyThatSavesAfterAnotherPlacesItsRowInTheTableStored) {
  writeFiles(before_);
  ScoreTable first(folder_);
  ScoreTable second(folder_);
  placeAndName(first, 550, "ZORRO ");
  placeAndName(second, 150, "YVES  ");
  ASSERT_EQ(first.commitEntry(), ScoreTable::CommitOutcome::Saved);
  ASSERT_EQ(second.commitEntry(), ScoreTable::CommitOutcome::Saved);
  // 150 ranked sixth when the second copy read the table; below ZORRO it is pushed out.
  EXPECT_EQ(files(), after_);
  EXPECT_EQ(second.rows(), shownAtNextStart()) << "the window shows what was saved";
}

// The other copy ended between its two renames, after this one read the table: its names'
// finished copy is put in place before this save reads what is stored.
TEST_F(ScoreSaveTest, ASaveAfterAnotherCopysInterruptedSaveKeepsThatCopysRow) {
  writeFiles(before_);
  ScoreTable second(folder_);
  placeAndName(second, 150, "YVES  ");
  writeFiles({after_.settings, before_.names});
  temp_.writeFile("Zari666/stx.666.nouveau", after_.names);
  ASSERT_EQ(second.commitEntry(), ScoreTable::CommitOutcome::Saved);
  EXPECT_EQ(files(), after_);
  EXPECT_EQ(dataFolderEntries(), (std::vector<std::string>{"Prefint.666", "stx.666"}));
}

}  // namespace
}  // namespace vorlane
