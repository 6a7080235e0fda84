#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/RecordFile.h"
#include "data/WordRecord.h"

namespace vorlane {

class DataFolder;

// Reads a word file ("Azl.666" or "Azlana.666") forward, a block of records at a time.
class WordCursor {
 public:
  WordCursor(const DataFolder& folder, std::string_view name);

  std::int64_t count() const { return count_; }
  // Record n; throws IoError when it is not wholly in the file.
  WordRecord at(std::int64_t n);

 private:
  static constexpr std::int64_t kBlockRecords = 128;

  void load(std::int64_t n);
  // The whole records of the block read last.
  std::int64_t blockLength() const {
    return static_cast<std::int64_t>(block_.size() / kWordRecordSize);
  }

  RecordFile file_;
  std::int64_t count_;
  std::string block_;
  std::int64_t blockStart_ = 0;
};

// Walks a word file from `start` to its end the way every search of the game does: the
// first time a key passes the word in the sorted part, it goes on at the appendix start
// (once only, and only when that lies ahead). `visit(n, record)` is called for every
// record whose key equals `word` and returns false to stop.
template <typename Visit>
void scanForWord(WordCursor& cursor, std::int64_t start, std::int64_t appendixStart,
                 std::string_view word, Visit visit) {
  bool jumped = false;
  for (std::int64_t n = std::max<std::int64_t>(start, 0); n < cursor.count(); ++n) {
    WordRecord record = cursor.at(n);
    std::string key = record.key();
    if (key == word) {
      if (!visit(n, record)) return;
    } else if (!jumped && key.compare(word) > 0) {
      jumped = true;
      if (start < appendixStart && n < appendixStart) n = appendixStart - 1;
    }
  }
}

}  // namespace vorlane
