#include "data/WordLists.h"

#include <algorithm>
#include <filesystem>

#include "data/DataFolder.h"
#include "data/Random.h"
#include "data/RecordFile.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "data/WordCursor.h"
#include "data/WordRecord.h"

namespace fs = std::filesystem;

namespace vorlane {

WordLists::WordLists(const DataFolder& folder, Warning warn)
    : folder_(folder), warn_(std::move(warn)) {}

std::int32_t WordLists::letterIndex(std::string_view key) const {
  int record = kAppendixStartRecord;
  if (key != "fin") {
    // An empty key reads the terminating 0: a record before the file, refused as such.
    record = static_cast<unsigned char>(plainForm(key.substr(0, 1))[0]) - kLetterIndexOffset;
  }
  RecordFile file = folder_.open(kLetterIndexFile, kLetterIndexRecordSize, RecordFile::Mode::Read);
  std::string bytes = file.read(record);
  return (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
}

std::int32_t WordLists::appendixStart() const { return letterIndex("fin"); }

std::int32_t WordLists::findWord(std::string_view word) const {
  if (word.empty()) return -1;
  unsigned char first = static_cast<unsigned char>(plainForm(word.substr(0, 1))[0]);
  std::int64_t lo = letterIndex(std::string{static_cast<char>(first)});
  std::int64_t hi =
      first == 'Z' ? appendixStart() : letterIndex(std::string{static_cast<char>(first + 1)});
  const std::int64_t appendix = appendixStart();
  WordCursor cursor(folder_, kWordFile);
  hi = std::min(hi, cursor.count());
  // Halving stops at a short range; the scan below then finds the word's first record.
  while (hi - lo > 20) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::string key = cursor.at(mid).key();
    if (key == word) {
      lo = std::max<std::int64_t>(mid - 10, 0);
      break;
    }
    if (key > word)
      hi = mid;
    else
      lo = mid;
  }
  // The sorted part holds the word, if at all, before the first greater key; the appendix
  // is outside that order and is scanned to its end.
  for (std::int64_t n = lo; n < std::min(appendix, cursor.count()); ++n) {
    std::string key = cursor.at(n).key();
    if (key == word) return static_cast<std::int32_t>(n);
    if (key > word) break;
  }
  for (std::int64_t n = std::max(appendix, lo); n < cursor.count(); ++n) {
    if (cursor.at(n).key() == word) return static_cast<std::int32_t>(n);
  }
  return -1;
}

bool WordLists::isProperNounOnly(std::string_view word) const {
  std::int32_t start = findWord(word);
  if (start < 0) return false;
  // Every homograph is capitalised; the search stops at the first that is not.
  bool everyOneCapitalised = true;
  WordCursor cursor(folder_, kWordFile);
  scanForWord(cursor, start, appendixStart(), word, [&](std::int64_t, const WordRecord& record) {
    std::string display = record.display();
    unsigned char first = display.empty() ? 0 : static_cast<unsigned char>(display[0]);
    if (first >= 'A' && first <= 'Z') return true;
    everyOneCapitalised = false;
    return false;
  });
  return everyOneCapitalised;
}

int WordLists::loadAnagramSet(std::string_view word, AnagramSet& set, bool noProperNouns) const {
  for (auto& entry : set) entry = TableauNivAd{};
  std::int32_t start = findWord(word);
  if (start < 0) return 0;
  WordCursor cursor(folder_, kAnagramFile);
  std::size_t count = 0;
  scanForWord(cursor, start, appendixStart(), word, [&](std::int64_t n, const WordRecord& record) {
    set[0] = {record.display(), static_cast<std::int32_t>(n), record.levelOrKind,
              static_cast<std::int32_t>(record.linkOrAddress)};
    count = 1;
    return false;
  });
  if (count == 0) return 0;
  while (set[count - 1].linkOrAddress != 0) {
    if (count == kAnagramSetSize) {
      if (warn_ && !warned_) warn_(">15");
      warned_ = true;
      break;
    }
    std::int32_t link = set[count - 1].linkOrAddress;
    WordRecord record = cursor.at(link);
    set[count] = {record.display(), link, record.levelOrKind,
                  static_cast<std::int32_t>(record.linkOrAddress)};
    ++count;
    if (set[count - 1].linkOrAddress == set[0].recordNumber) break;
  }
  set[0].text = std::string(word);
  if (!noProperNouns) return static_cast<int>(count);

  AnagramSet aside = set;
  for (auto& entry : set) entry = TableauNivAd{};
  std::size_t kept = 0;
  for (const auto& entry : aside) {
    if (!entry.text.empty() && !isProperNounOnly(entry.text)) set[kept++] = entry;
  }
  return static_cast<int>(kept);
}

std::string WordLists::drawSingleWord(int level, bool topLevel, bool juniorClass,
                                      Random& random) const {
  WordCursor cursor(folder_, kAnagramFile);
  const std::int64_t n = cursor.count();
  if (n == 0) return {};
  auto qualifies = [&](const WordRecord& r) {
    int l = r.levelOrKind;
    if (l == 0 || r.linkOrAddress != 0 || r.stored.empty()) return false;
    if (!topLevel) return l <= level;
    return juniorClass ? l == 2 : l >= 3;
  };
  for (std::int64_t i = random.uniform(0, n - 2); i < n; ++i) {
    WordRecord r = cursor.at(i);
    if (qualifies(r)) return r.key();
  }
  for (std::int64_t i = 0; i < n; ++i) {
    WordRecord r = cursor.at(i);
    if (r.levelOrKind >= 1 && r.levelOrKind <= level && r.linkOrAddress == 0 && !r.stored.empty())
      return r.key();
  }
  return {};
}

std::string WordLists::drawAnagramWord(Random& random) const {
  WordCursor cursor(folder_, kAnagramFile);
  const std::int64_t n = cursor.count();
  // A damaged record without letters is no candidate, whatever its link.
  auto qualifies = [](const WordRecord& r) { return r.linkOrAddress != 0 && !r.stored.empty(); };
  const std::int64_t start = random.uniform(0, n - 2);
  for (std::int64_t i = start; i < n; ++i) {
    WordRecord r = cursor.at(i);
    if (qualifies(r)) return r.stored;
  }
  for (std::int64_t i = 0; i < start; ++i) {
    WordRecord r = cursor.at(i);
    if (qualifies(r)) return r.stored;
  }
  return {};
}

bool RecentDraws::isRecentSingle(std::int32_t record) const {
  return std::find(single_.begin(), single_.end(), record) != single_.end();
}

bool RecentDraws::isRecentAnagram(std::int32_t record) const {
  return std::find(anagram_.begin(), anagram_.end(), record) != anagram_.end();
}

void RecentDraws::pushRecentSingle(std::int32_t record) {
  std::shift_right(single_.begin(), single_.end(), 1);
  single_[0] = record;
}

void RecentDraws::pushRecentAnagram(std::int32_t record) {
  std::shift_right(anagram_.begin(), anagram_.end(), 1);
  anagram_[0] = record;
}

void RecentDraws::loadRecentDraws(const DataFolder& folder) {
  single_.fill(0);
  anagram_.fill(0);
  auto path = Settings(folder).settingsFileToRead();
  if (!path) return;
  RecordFile file = folder.openPath(*path, 4, RecordFile::Mode::Read);
  std::int64_t record = setting::kRecentSingle;
  for (std::int32_t& slot : single_) slot = file.readInt32LE(record++);
  record = setting::kRecentAnagram;
  for (std::int32_t& slot : anagram_) slot = file.readInt32LE(record++);
}

void RecentDraws::saveRecentDraws(const DataFolder& folder) const {
  if (!folder.writable()) return;
  // Under the data folder's lock, like every other write of the settings file.
  DataFolderLock lock(folder);
  RecordFile file = folder.open(kSettingsFile, 4, RecordFile::Mode::ReadWrite);
  std::int64_t record = setting::kRecentSingle;
  for (const std::int32_t slot : single_) file.writeInt32LE(record++, slot);
  record = setting::kRecentAnagram;
  for (const std::int32_t slot : anagram_) file.writeInt32LE(record++, slot);
}

}  // namespace vorlane
