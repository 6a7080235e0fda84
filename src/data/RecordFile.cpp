#include "data/RecordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

FileFaultHook& faultHook() {
  static FileFaultHook hook;
  return hook;
}

// 0, or the error number a test makes this step fail with.
int injectedFault(FileStep step, const fs::path& file) {
  return faultHook() ? faultHook()(step, file) : 0;
}

// Writes all of `bytes` from byte `offset`; false with errno set when a write fails. A
// regular file takes a write whole unless the disk fills up, so a write cut short is told
// as a full disk.
bool writeAll(int fd, std::string_view bytes, off_t offset, const fs::path& file) {
  if (const int err = injectedFault(FileStep::Write, file)) {
    errno = err;
    return false;
  }
  const ssize_t w = ::pwrite(fd, bytes.data(), bytes.size(), offset);
  if (w < 0) return false;
  if (static_cast<std::size_t>(w) < bytes.size()) {
    errno = ENOSPC;
    return false;
  }
  return true;
}

bool flushToDisk(int fd, const fs::path& file) {
  if (const int err = injectedFault(FileStep::Flush, file)) {
    errno = err;
    return false;
  }
  return ::fsync(fd) == 0;
}

// The folder's entry of a renamed file reaches the disk too; a folder that cannot be
// flushed (some file systems refuse) changes nothing of what was written.
void flushFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd == -1) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void setFileFaultHook(FileFaultHook hook) { faultHook() = std::move(hook); }

int injectedFileFault(FileStep step, const fs::path& file) { return injectedFault(step, file); }

fs::path FileReplacement::copyPath(const fs::path& file) {
  std::error_code ec;
  fs::path copy = file;
  if (fs::is_symlink(file, ec)) {
    const fs::path target = fs::canonical(file, ec);
    if (!ec) copy = target;
  }
  copy += std::string(kReplacementSuffix);
  return copy;
}

FileReplacement::FileReplacement(const fs::path& file, std::string_view bytes, bool inPlace)
    : file_(file), target_(file), bytes_(bytes), inPlace_(inPlace) {
  std::error_code ec;
  if (fs::is_symlink(file, ec)) {
    target_ = fs::canonical(file, ec);
    if (ec) fail(ec.value(), "ouverture impossible");
  }
  copy_ = target_;
  copy_ += std::string(kReplacementSuffix);
  if (inPlace_) return;
  struct stat st {};
  const mode_t mode = ::stat(target_.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
  const int fd = ::open(copy_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd == -1) {
    // A folder without write permission for this player still lets the file be written.
    if ((errno == EACCES || errno == EPERM) && fs::is_regular_file(target_, ec)) {
      inPlace_ = true;
      return;
    }
    fail(errno, toWin1252("création de la copie impossible"));
  }
  ::fchmod(fd, mode);
  const bool written = writeAll(fd, bytes_, 0, copy_) && flushToDisk(fd, copy_);
  const int err = errno;
  ::close(fd);
  if (!written) {
    ::unlink(copy_.c_str());
    fail(err, toWin1252("écriture impossible"));
  }
}

FileReplacement::~FileReplacement() {
  // A copy renamed into place has left this name: removing it again does nothing.
  if (!inPlace_ && !keepCopy_) ::unlink(copy_.c_str());
}

void FileReplacement::fail(int err, const std::string& what) {
  std::string reason = what + " (" + systemReason(err) + ")";
  if (keepCopy_) {
    reason += toWin1252(" ; la nouvelle version attend à côté et le remplacera au prochain démarrage");
  } else if (!inPlace_) {
    reason += toWin1252(" ; le fichier est resté tel qu'il était");
  }
  throw IoError(file_, reason);
}

void FileReplacement::commit() {
  if (inPlace_) {
    const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd == -1) fail(errno, "ouverture impossible");
    bool written = writeAll(fd, bytes_, 0, target_);
    if (written && ::ftruncate(fd, static_cast<off_t>(bytes_.size())) != 0) written = false;
    if (written) written = flushToDisk(fd, target_);
    const int err = errno;
    ::close(fd);
    if (!written) fail(err, toWin1252("écriture impossible"));
    return;
  }
  int err = injectedFault(FileStep::Rename, target_);
  if (err == 0 && ::rename(copy_.c_str(), target_.c_str()) != 0) err = errno;
  if (err != 0) fail(err, "remplacement impossible");
  flushFolder(target_.parent_path());
}

RecordFile::RecordFile(const std::filesystem::path& path, std::size_t recordSize, Mode mode)
    : path_(path), recordSize_(recordSize == 0 ? 1 : recordSize), mode_(mode) {
  int flags = O_RDONLY;
  if (mode == Mode::ReadWrite) flags = O_RDWR;
  if (mode == Mode::Create) flags = O_RDWR | O_CREAT | O_TRUNC;
  fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd_ == -1) fail("ouverture impossible");
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
    // A folder opens for reading but holds no records: its descriptor is not kept.
    ::close(fd_);
    errno = EISDIR;
    fail("ouverture impossible");
  }
}

RecordFile::~RecordFile() {
  if (fd_ != -1) ::close(fd_);
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_)),
      recordSize_(other.recordSize_),
      mode_(other.mode_),
      fd_(other.fd_) {
  other.fd_ = -1;
}

void RecordFile::fail(const std::string& what) const {
  std::string reason = what;
  if (errno != 0) reason += " (" + systemReason(errno) + ")";
  throw IoError(path_, reason);
}

std::int64_t RecordFile::recordCount() const {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) fail("lecture impossible");
  return static_cast<std::int64_t>(st.st_size) / static_cast<std::int64_t>(recordSize_);
}

std::string RecordFile::read(std::int64_t n) const {
  std::string bytes = readBytesAt(n * static_cast<std::int64_t>(recordSize_), recordSize_);
  if (bytes.size() != recordSize_) {
    fail(toWin1252("lecture au-delà de la fin du fichier"));
  }
  return bytes;
}

void RecordFile::write(std::int64_t n, std::string_view bytes) {
  std::string record(recordSize_, '\0');
  record.replace(0, std::min(bytes.size(), recordSize_), bytes.substr(0, recordSize_));
  writeBytesAt(n * static_cast<std::int64_t>(recordSize_), record);
}

void RecordFile::writeBytesAt(std::int64_t offset, std::string_view bytes) {
  errno = 0;
  if (offset < 0) fail("enregistrement hors du fichier");
  if (mode_ == Mode::ReadWrite) {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fail(toWin1252("écriture impossible"));
    if (offset + static_cast<std::int64_t>(bytes.size()) > static_cast<std::int64_t>(st.st_size)) {
      fail("enregistrement hors du fichier");
    }
  }
  if (!writeAll(fd_, bytes, static_cast<off_t>(offset), path_)) {
    fail(toWin1252("écriture impossible"));
  }
}

std::int32_t RecordFile::readInt32LE(std::int64_t n) const {
  const std::string b = read(n);
  const auto byte = [&b](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i]));
  };
  return static_cast<std::int32_t>(byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24));
}

std::string int32LEBytes(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

void RecordFile::writeInt32LE(std::int64_t n, std::int32_t value) { write(n, int32LEBytes(value)); }

std::string RecordFile::readBytesAt(std::int64_t offset, std::size_t count) const {
  std::string out(count, '\0');
  errno = 0;
  if (offset < 0) fail("enregistrement hors du fichier");
  // A regular file gives every byte asked for that it holds.
  const ssize_t r = ::pread(fd_, out.data(), count, static_cast<off_t>(offset));
  if (r < 0) fail("lecture impossible");
  out.resize(static_cast<std::size_t>(r));
  return out;
}

}  // namespace vorlane
