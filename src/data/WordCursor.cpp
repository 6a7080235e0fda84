#include "data/WordCursor.h"

#include "data/DataFolder.h"

namespace vorlane {

WordCursor::WordCursor(const DataFolder& folder, std::string_view name)
    : file_(folder.open(name, kWordRecordSize, RecordFile::Mode::Read)),
      count_(file_.recordCount()) {}

WordRecord WordCursor::at(std::int64_t n) {
  if (n < 0) return WordRecord::decode(file_.read(n));  // throws: a link of 2^31 or more
  if (n < blockStart_ || n >= blockStart_ + blockLength()) load(n);
  if (n >= blockStart_ + blockLength()) return WordRecord::decode(file_.read(n));  // throws
  auto offset = static_cast<std::size_t>(n - blockStart_) * kWordRecordSize;
  return WordRecord::decode(std::string_view(block_).substr(offset, kWordRecordSize));
}

void WordCursor::load(std::int64_t n) {
  blockStart_ = std::max<std::int64_t>(n, 0);
  block_ = file_.readBytesAt(blockStart_ * static_cast<std::int64_t>(kWordRecordSize),
                             kBlockRecords * kWordRecordSize);
}

}  // namespace vorlane
