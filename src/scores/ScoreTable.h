#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "data/IoError.h"
#include "data/Settings.h"

namespace vorlane {

class DataFolder;

// Rows in a top-six table; row 1 is the best.
inline constexpr int kScoreRows = 6;

// One row of a top-six table: the name is Windows-1252, 0..150 characters; 0 points marks
// an empty row.
struct ScoreRow {
  std::string name;
  std::int32_t points = 0;

  bool operator==(const ScoreRow&) const = default;
};

// The two top-six tables, Senior and Junior, and the state of the score window that shows
// one of them: the six rows on show, the title, the class button and the name entry.
// Names live in the score-name file (records 1..6 Senior, 7..12 Junior), points in the
// settings file (records 11..16 Senior, 23..28 Junior). Reads fall back to the factory
// copies; writes go only through Settings, so nothing is written while the data folder is
// not writable. A placed score reaches the files only through commitEntry, which saves the
// two files of a table as one (Settings::writeTogether) under the data folder's lock.
class ScoreTable {
 public:
  enum class CommitOutcome {
    NothingPending,  // no score was waiting for its name: nothing changed
    Saved,           // the whole table of the class played was written
    ReadOnly,        // the data folder is not writable: nothing was written
  };

  explicit ScoreTable(const DataFolder& folder);

  // Fills the rows on show with the table of the given class and drops a pending entry.
  // Names show as stored. With setButtonCaption the class button names the other class.
  // A record that cannot be read (a short file) shows an empty name or 0 points; once every
  // row is read, the first such failure is thrown as IoError.
  void loadScores(bool junior, bool setButtonCaption);

  // Places a final score in the table on show and lays the name entry over its row:
  // returns the row 1..6, or 0 when the score does not rank (equal to row 6, or 0). A
  // score equal to a stored one goes below it; rows below move down, the old row 6 is
  // dropped. Nothing is written.
  int insertScore(std::int32_t score);

  // The row insertScore would give, with nothing changed.
  int rankOf(std::int32_t points) const;

  // Ends a pending entry: the name is the letters and digits of the entry in order (blanks
  // and anything else left out), or "666" when there are none; it goes into the entry's row and the entry leaves the table.
  // `showCompletedTable` runs next (the window shows the finished table there), then the
  // class button comes back and the named row is saved: under the data folder's lock the
  // table of the class played is read again from the files (another copy of the game may
  // have saved a score since), the row placed in it by the same rule, and the whole table
  // written as one save; the rows on show become the table saved. A failure throws IoError
  // and leaves both files as they were.
  CommitOutcome commitEntry(const std::function<void()>& showCompletedTable = {});

  // Empties rows 2..6 of the class played in both files as one save under the lock (row 1,
  // as stored, and the other class are kept), then reloads that class's rows (a failed read throws IoError, as loadScores). Title and caption stay as they are.
  void clearScores();

  // `juniorClass`: the class currently played, whose table commitEntry and clearScores
  // write.
  void setJuniorClass(bool junior) { juniorClass_ = junior; }
  bool juniorClass() const { return juniorClass_; }
  // The class whose table is on show.
  bool shownJunior() const { return shownJunior_; }

  const std::array<ScoreRow, kScoreRows>& rows() const { return rows_; }
  // Row 1..6.
  const ScoreRow& row(int r) const;

  // The window caption: "Le top 6" until the first load.
  const std::string& title() const { return title_; }
  const std::string& classButtonCaption() const { return classButtonCaption_; }
  bool classButtonVisible() const { return classButtonVisible_; }

  // The six tiles of the name entry, as the player typed them.
  const std::string& entryText() const { return entryText_; }
  void setEntryText(const std::string& text) { entryText_ = text; }
  // The row the name entry lies over, or 0 while it rests out of sight.
  int entryRow() const { return entryRow_; }
  bool pendingEntry() const { return pendingEntry_; }

  // Texts of the window (Windows-1252).
  static std::string clearQuestion();
  // Why a score was not saved: the write-protected medium, or the damaged settings file
  // that the start-up found (DataFolder::unsavedReason).
  std::string readOnlyNotice() const;

 private:
  // The first failure of the reads, if any.
  std::optional<IoError> readRows(bool junior);
  ScoreRow readRow(bool junior, int r, std::optional<IoError>& failure) const;
  using Rows = std::array<ScoreRow, kScoreRows>;
  static int rankIn(const Rows& rows, std::int32_t points);
  static void placeRow(Rows& rows, const ScoreRow& placed);
  // Reads the stored table of the class played under the lock, changes it and saves it.
  void changeStoredTable(const std::function<void(Rows&)>& change);
  void dropEntry();

  Settings settings_;
  const DataFolder& folder_;
  std::array<ScoreRow, kScoreRows> rows_;
  std::string title_;
  std::string classButtonCaption_;
  bool classButtonVisible_ = true;
  std::string entryText_;
  int entryRow_ = 0;
  bool pendingEntry_ = false;
  bool juniorClass_ = false;
  bool shownJunior_ = false;
};

}  // namespace vorlane
