#include "data/RecordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane {

RecordFile::RecordFile(const std::filesystem::path& path, std::size_t recordSize, Mode mode)
    : path_(path), recordSize_(recordSize == 0 ? 1 : recordSize), mode_(mode) {
  int flags = O_RDONLY;
  if (mode == Mode::ReadWrite) flags = O_RDWR;
  if (mode == Mode::Create) flags = O_RDWR | O_CREAT | O_TRUNC;
  fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd_ < 0) fail("ouverture impossible");
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) fail("ouverture impossible");
}

RecordFile::~RecordFile() {
  if (fd_ >= 0) ::close(fd_);
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
  errno = 0;
  if (n < 0) fail("enregistrement hors du fichier");
  std::string bytes = readBytesAt(n * static_cast<std::int64_t>(recordSize_), recordSize_);
  if (bytes.size() != recordSize_) {
    errno = 0;
    fail(toWin1252("lecture au-delà de la fin du fichier"));
  }
  return bytes;
}

void RecordFile::write(std::int64_t n, std::string_view bytes) {
  errno = 0;
  if (n < 0) fail("enregistrement hors du fichier");
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
    errno = 0;
    if (offset + static_cast<std::int64_t>(bytes.size()) > static_cast<std::int64_t>(st.st_size)) {
      fail("enregistrement hors du fichier");
    }
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t w = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                         static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) fail(toWin1252("écriture impossible"));
    done += static_cast<std::size_t>(w);
  }
}

std::int32_t RecordFile::readInt32LE(std::int64_t n) const {
  std::string b = read(n);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(v);
}

void RecordFile::writeInt32LE(std::int64_t n, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  std::string b(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  write(n, b);
}

std::string RecordFile::readBytesAt(std::int64_t offset, std::size_t count) const {
  std::string out(count, '\0');
  std::size_t done = 0;
  errno = 0;
  if (offset < 0) fail("enregistrement hors du fichier");
  while (done < count) {
    ssize_t r = ::pread(fd_, out.data() + done, count - done, static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) fail("lecture impossible");
    if (r == 0) break;
    done += static_cast<std::size_t>(r);
  }
  out.resize(done);
  return out;
}

}  // namespace vorlane
