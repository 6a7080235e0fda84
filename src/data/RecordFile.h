#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorlane {

// A flat file of fixed-size records without a header: record n starts at n × recordSize.
// The file is open for the life of the object only; every failure throws IoError.
class RecordFile {
 public:
  enum class Mode {
    Read,       // the file must exist
    ReadWrite,  // the file must exist; records are overwritten in place, never added
    Create,     // created, or emptied when it exists
  };

  RecordFile(const std::filesystem::path& path, std::size_t recordSize, Mode mode);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&&) = delete;

  std::size_t recordSize() const { return recordSize_; }
  // Number of whole records in the file.
  std::int64_t recordCount() const;

  // The bytes of record n; throws when the record is not wholly in the file.
  std::string read(std::int64_t n) const;
  // Writes record n (bytes shorter than a record are padded with zeros). In ReadWrite mode
  // a record not wholly in the file throws: a damaged file is never lengthened with zeros.
  void write(std::int64_t n, std::string_view bytes);

  std::int32_t readInt32LE(std::int64_t n) const;
  void writeInt32LE(std::int64_t n, std::int32_t value);

  // Up to `count` bytes from byte offset `offset`; fewer at the end of the file.
  std::string readBytesAt(std::int64_t offset, std::size_t count) const;
  // Writes `bytes` at byte offset `offset`, whatever the record size; in ReadWrite mode
  // only inside the file.
  void writeBytesAt(std::int64_t offset, std::string_view bytes);

  const std::filesystem::path& path() const { return path_; }

 private:
  [[noreturn]] void fail(const std::string& what) const;

  std::filesystem::path path_;
  std::size_t recordSize_;
  Mode mode_;
  int fd_ = -1;
};

}  // namespace vorlane
