#include "scores/ScoreTable.h"

#include <algorithm>

#include "data/DataFolder.h"
#include "data/Settings.h"
#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane {
namespace {

// Name boxes and the name entry are designed with six blank tiles.
const std::string kSixBlanks(kScoreRows, ' ');
// The name of a player who typed nothing.
constexpr std::string_view kNoName = "666";

int nameRecord(bool junior, int r) { return junior ? 6 + r : r; }
int pointsRecord(bool junior, int r) {
  return (junior ? setting::kJuniorScores : setting::kSeniorScores) + r - 1;
}

// A letter of Windows-1252 that is not plain ASCII: Š Œ Ž š œ ž Ÿ and À..ÿ without × and ÷.
bool isAccentedLetter(unsigned char c) {
  switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
      return true;
    case 0xD7:
    case 0xF7:
      return false;
    default:
      return c >= 0xC0;
  }
}

bool canBeInName(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
         isAccentedLetter(c);
}

// The name a player typed: its letters and digits in order, blanks and anything else
// left out. Stored names are shown and written back as they are.
std::string typedName(const std::string& entry) {
  std::string name;
  std::copy_if(entry.begin(), entry.end(), std::back_inserter(name), [](char c) {
    return c != ' ' && canBeInName(static_cast<unsigned char>(c));
  });
  return name;
}

}  // namespace

ScoreTable::ScoreTable(const DataFolder& folder)
    : settings_(folder),
      folder_(folder),
      title_("Le top 6"),
      classButtonCaption_("Top junior"),
      entryText_(kSixBlanks) {
  for (ScoreRow& row : rows_) row.name = kSixBlanks;
}

const ScoreRow& ScoreTable::row(int r) const { return rows_.at(static_cast<std::size_t>(r - 1)); }

ScoreRow ScoreTable::readRow(bool junior, int r, std::optional<IoError>& failure) const {
  ScoreRow row;
  try {
    row.name = settings_.readScoreName(nameRecord(junior, r));
  } catch (const IoError& error) {
    if (!failure) failure = error;
  }
  try {
    row.points = settings_.readSetting(pointsRecord(junior, r));
  } catch (const IoError& error) {
    if (!failure) failure = error;
  }
  return row;
}

std::optional<IoError> ScoreTable::readRows(bool junior) {
  dropEntry();
  if (folder_.writable()) {
    DataFolderLock lock(folder_);
    settings_.finishInterruptedSave();
  }
  std::optional<IoError> failure;
  for (int r = 1; r <= kScoreRows; ++r) {
    rows_[static_cast<std::size_t>(r - 1)] = readRow(junior, r, failure);
  }
  shownJunior_ = junior;
  return failure;
}

void ScoreTable::dropEntry() {
  pendingEntry_ = false;
  entryRow_ = 0;
  classButtonVisible_ = true;
}

void ScoreTable::loadScores(bool junior, bool setButtonCaption) {
  const std::optional<IoError> failure = readRows(junior);
  title_ = junior ? "Le top 6 junior" : "Le top 6 senior";
  if (setButtonCaption) classButtonCaption_ = junior ? "Top senior" : "Top junior";
  if (failure) throw *failure;
}

int ScoreTable::rankOf(std::int32_t points) const { return rankIn(rows_, points); }

int ScoreTable::insertScore(std::int32_t score) {
  const int r = rankOf(score);
  if (r == 0) return 0;
  pendingEntry_ = true;
  placeRow(rows_, ScoreRow{" ", score});
  entryText_ = kSixBlanks;
  entryRow_ = r;
  classButtonVisible_ = false;
  return r;
}

ScoreTable::CommitOutcome ScoreTable::commitEntry(const std::function<void()>& showCompletedTable) {
  if (!pendingEntry_) return CommitOutcome::NothingPending;
  pendingEntry_ = false;
  std::string name = typedName(entryText_);
  if (name.empty()) name = kNoName;
  const int r = entryRow_;
  rows_[static_cast<std::size_t>(r - 1)].name = name;
  entryRow_ = 0;
  if (showCompletedTable) showCompletedTable();
  classButtonVisible_ = true;
  if (!folder_.writable()) return CommitOutcome::ReadOnly;
  const ScoreRow named = rows_[static_cast<std::size_t>(r - 1)];
  changeStoredTable([&](Rows& stored) { placeRow(stored, named); });
  return CommitOutcome::Saved;
}

void ScoreTable::placeRow(Rows& rows, const ScoreRow& placed) {
  const int r = rankIn(rows, placed.points);
  if (r == 0) return;
  const auto index = static_cast<std::size_t>(r - 1);
  if (rows[index].points != 0) {
    std::move_backward(rows.begin() + r - 1, rows.end() - 1, rows.end());
  }
  rows[index] = placed;
}

int ScoreTable::rankIn(const Rows& rows, std::int32_t points) {
  if (points < rows.back().points) return 0;
  for (int r = 1; r <= kScoreRows; ++r) {
    if (rows[static_cast<std::size_t>(r - 1)].points < points) return r;
  }
  return 0;
}

void ScoreTable::changeStoredTable(const std::function<void(Rows&)>& change) {
  // Another copy of the game may have saved since this table was read: the table is read
  // again under the lock and the change made to what is stored, so its row stays.
  DataFolderLock lock(folder_);
  settings_.finishInterruptedSave();
  std::optional<IoError> failure;
  Rows stored;
  for (int r = 1; r <= kScoreRows; ++r) {
    stored[static_cast<std::size_t>(r - 1)] = readRow(juniorClass_, r, failure);
  }
  if (failure) {
    throw IoError(failure->file(),
                  failure->what() + toWin1252(" : fichier endommagé ; rien n'a été enregistré"));
  }
  change(stored);
  RecordChanges changes;
  for (int r = 1; r <= kScoreRows; ++r) {
    const ScoreRow& row = stored[static_cast<std::size_t>(r - 1)];
    changes.names.emplace_back(nameRecord(juniorClass_, r), row.name);
    changes.settings.emplace_back(pointsRecord(juniorClass_, r), row.points);
  }
  settings_.writeTogether(changes);
  if (shownJunior_ == juniorClass_) rows_ = stored;
}

void ScoreTable::clearScores() {
  if (folder_.writable()) {
    changeStoredTable([](Rows& stored) {
      for (int r = 2; r <= kScoreRows; ++r) stored[static_cast<std::size_t>(r - 1)] = ScoreRow{};
    });
  }
  if (const std::optional<IoError> failure = readRows(juniorClass_)) throw *failure;
}

std::string ScoreTable::clearQuestion() {
  return toWin1252("Voulez-vous réellement effacer les scores ?");
}

std::string ScoreTable::readOnlyNotice() const {
  if (!folder_.unsavedReason().empty()) {
    return toWin1252("Le fichier des réglages ne peut pas servir (") + folder_.unsavedReason() +
           "). Impossible d'enregistrer les scores.";
  }
  return toWin1252("Application lancée à partir d'un disque protégé en écriture. ") +
         "Impossible d'enregistrer les scores.";
}

}  // namespace vorlane
