#include "data/DataFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

bool sameWithoutCase(std::string_view a, std::string_view b) {
  const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

DataFolder::DataFolder(fs::path programFolder) : programFolder_(std::move(programFolder)) {}

std::optional<fs::path> DataFolder::findEntry(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  fs::path exact = folder / fs::path(std::string(name));
  if (fs::exists(exact, ec)) return exact;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (sameWithoutCase(it->path().filename().native(), name)) return it->path();
  }
  return std::nullopt;
}

std::optional<fs::path> DataFolder::dataFolder() const {
  auto folder = findEntry(programFolder_, kDataFolderName);
  std::error_code ec;
  if (folder && fs::is_directory(*folder, ec)) return folder;
  return std::nullopt;
}

fs::path DataFolder::inDataFolder(std::string_view name) const {
  auto folder = dataFolder();
  fs::path base = folder ? *folder : programFolder_ / fs::path(std::string(kDataFolderName));
  if (folder) {
    if (auto entry = findEntry(*folder, name)) return *entry;
  }
  return base / fs::path(std::string(name));
}

fs::path DataFolder::inProgramFolder(std::string_view name) const {
  if (auto entry = findEntry(programFolder_, name)) return *entry;
  return programFolder_ / fs::path(std::string(name));
}

bool DataFolder::existsInDataFolder(std::string_view name) const {
  std::error_code ec;
  auto p = inDataFolder(name);
  return fs::exists(p, ec) && !fs::is_directory(p, ec);
}

bool DataFolder::existsInProgramFolder(std::string_view name) const {
  std::error_code ec;
  auto p = inProgramFolder(name);
  return fs::exists(p, ec) && !fs::is_directory(p, ec);
}

fs::path DataFolder::dataFilePath(std::string_view name) const {
  if (existsInDataFolder(name)) return inDataFolder(name);
  return inProgramFolder(name);
}

RecordFile DataFolder::open(std::string_view name, std::size_t recordSize,
                            RecordFile::Mode mode) const {
  return openPath(dataFilePath(name), recordSize, mode);
}

RecordFile DataFolder::openPath(const fs::path& path, std::size_t recordSize,
                                RecordFile::Mode mode) const {
  if (mode != RecordFile::Mode::Read && writeProtected_) {
    throw IoError(path, toWin1252("disque protégé en écriture"));
  }
  return RecordFile(path, recordSize, mode);
}

std::unique_ptr<FileReplacement> DataFolder::prepareReplacement(const fs::path& path,
                                                                std::string_view bytes) const {
  if (writeProtected_) {
    throw IoError(path, toWin1252("disque protégé en écriture"));
  }
  std::error_code ec;
  const bool exists = fs::exists(path, ec);
  if (takesNoNewFile_ && !exists) {
    throw IoError(path, toWin1252("création impossible (") + systemReason(EACCES) + ")");
  }
  return std::make_unique<FileReplacement>(path, bytes, takesNoNewFile_);
}

void DataFolder::replaceFile(const fs::path& path, std::string_view bytes) const {
  prepareReplacement(path, bytes)->commit();
}

bool DataFolder::copyFile(const fs::path& from, const fs::path& to, std::error_code* failure) const {
  if (writeProtected_ || takesNoNewFile_) {
    if (failure) *failure = std::error_code(writeProtected_ ? EROFS : EACCES, std::generic_category());
    return false;
  }
  fs::path temporary = to;
  temporary += ".copie";
  std::error_code ec;
  if (const int err = injectedFileFault(FileStep::Write, temporary)) {
    ec = std::error_code(err, std::generic_category());
  } else {
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
  }
  if (!ec) fs::rename(temporary, to, ec);
  if (ec) {
    if (failure) *failure = ec;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

void DataFolder::removeFile(const fs::path& path) const {
  if (writeProtected_) return;
  std::error_code ec;
  fs::remove(path, ec);
}

bool DataFolder::clearReadOnly(const fs::path& path) const {
  if (writeProtected_) return false;
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
  return !ec;
}

bool DataFolder::isReadOnly(const fs::path& path) const {
  std::error_code ec;
  auto st = fs::status(path, ec);
  if (ec) return false;
  return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

void DataFolder::createDataFolder() const {
  if (writeProtected_) return;
  std::error_code ec;
  fs::create_directory(programFolder_ / fs::path(std::string(kDataFolderName)), ec);
}

DataFolderLock::DataFolderLock(const DataFolder& folder, std::chrono::milliseconds patience) {
  const fs::path locked = folder.dataFolder().value_or(folder.programFolder());
  fd_ = ::open(locked.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ == -1) return;
  const auto giveUp = std::chrono::steady_clock::now() + patience;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    // No lock on this file system: the copy goes on as it would alone.
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    if (std::chrono::steady_clock::now() > giveUp) {
      ::close(fd_);  // a constructor that throws has no destructor run
      throw IoError(locked, toWin1252("dossier occupé par une autre copie de Vorlane qui ne le "
                                      "libère pas ; rien n'a été enregistré"));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

DataFolderLock::~DataFolderLock() {
  if (fd_ != -1) ::close(fd_);
}

bool isSystemInstall(const fs::path& programFolder) {
  std::error_code ec;
  fs::path folder = fs::weakly_canonical(fs::absolute(programFolder, ec), ec);
  if (!folder.has_filename()) folder = folder.parent_path();
  const fs::path underUsr = folder.lexically_relative("/usr");
  if (!underUsr.empty() && *underUsr.begin() != "..") return true;
  // The package's own place, wherever its root lies (a package unpacked for a look).
  const fs::path packageFolder = fs::path(kPackageProgramFolder).relative_path();
  auto component = folder.end();
  for (auto it = packageFolder.end(); it != packageFolder.begin();) {
    if (component == folder.begin() || *--component != *--it) return false;
  }
  return true;
}

}  // namespace vorlane
