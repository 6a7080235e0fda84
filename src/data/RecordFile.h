#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vorlane {

// The steps by which the record-file layer changes the disk.
enum class FileStep {
  Write,   // bytes written into a file
  Flush,   // a file's bytes forced to the disk
  Rename,  // a finished copy takes the place of the file it replaces
};

// Every write, flush and rename of the record-file layer asks the hook first; an answer
// other than 0 is the error number the step then fails with, as the system would (a full
// disk, a hardware error). Tests inject failures here; an empty hook removes it.
using FileFaultHook = std::function<int(FileStep step, const std::filesystem::path& file)>;
void setFileFaultHook(FileFaultHook hook);
// 0, or the error number the hook makes this step fail with: for the file operations of
// other layers (the start-up's copies) that ask it too.
int injectedFileFault(FileStep step, const std::filesystem::path& file);

// A file rewritten whole without ever being torn: the new bytes go to a copy beside the
// file (same folder, name + kReplacementSuffix), which is flushed to the disk before
// commit(), called once, renames it over the file. Until then, and whenever a step fails,
// the file keeps its old bytes; a replacement destroyed before its commit, or after a
// failed one, removes its copy unless told to keep it. The failure is thrown as IoError
// naming the file replaced. A symbolic link is followed: the file it names is replaced,
// the link stays.
//
// In a folder that takes no new file (the player may write its files, not add any), no
// copy can be made: `inPlace` writes the bytes over the file itself at commit, the one
// way left.
class FileReplacement {
 public:
  FileReplacement(const std::filesystem::path& file, std::string_view bytes, bool inPlace = false);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  void commit();
  // From now on a failure leaves the finished copy beside the file, for the next start to
  // put in place: one of several files replaced together has already taken its new bytes.
  void keepCopy() { keepCopy_ = true; }

  // Where the copy of `file` is written.
  static std::filesystem::path copyPath(const std::filesystem::path& file);
  static constexpr std::string_view kReplacementSuffix = ".nouveau";

 private:
  [[noreturn]] void fail(int err, const std::string& what);

  std::filesystem::path file_;    // as the player knows it, for the error report
  std::filesystem::path target_;  // the file itself, behind a symbolic link
  std::filesystem::path copy_;
  std::string bytes_;
  bool inPlace_;
  bool keepCopy_ = false;
};

// The four bytes of a little-endian 32-bit record.
std::string int32LEBytes(std::int32_t value);

// A flat file of fixed-size records without a header: record n starts at n × recordSize.
// The file is open for the life of the object only; every failure throws IoError.
class RecordFile {
 public:
  enum class Mode {
    Read,       // the file must exist
    ReadWrite,  // the file must exist; records are overwritten in place, never added
    Create,     // created, or emptied when it exists
  };

  // The record size of a file read and written by byte offsets.
  static constexpr std::size_t kBytes = 1;

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
