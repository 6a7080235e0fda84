#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "data/RecordFile.h"

namespace vorlane {

// Name of the data folder inside the program's folder.
inline constexpr std::string_view kDataFolderName = "Zari666";
// The game's executable, beside its data folder.
inline constexpr std::string_view kProgramFileName = "Vorlane";

// The program's folder and its data folder "Zari666": where every data file, sound and
// pattern is looked for, and whether the game may write there. Relative names are
// resolved against the program's folder (the folder of the executable), never the
// working directory; tests give another folder. File names are matched without regard
// to case, by a real look-up over the folder entries.
class DataFolder {
 public:
  explicit DataFolder(std::filesystem::path programFolder);

  const std::filesystem::path& programFolder() const { return programFolder_; }

  // "Zari666/" + name when that file exists, otherwise the bare name in the program's
  // folder (whether or not it exists). Always an absolute path; an existing file is given
  // with its own spelling.
  std::filesystem::path dataFilePath(std::string_view name) const;

  // The existing entry of `folder` whose name equals `name` without regard to case.
  static std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder,
                                                        std::string_view name);
  // The data folder, spelled as it exists on the disk, or nothing.
  std::optional<std::filesystem::path> dataFolder() const;
  // The path "Zari666/name" would have: the existing entry, else the name as given.
  std::filesystem::path inDataFolder(std::string_view name) const;
  // The path "name" beside the program would have: the existing entry, else as given.
  std::filesystem::path inProgramFolder(std::string_view name) const;
  bool existsInDataFolder(std::string_view name) const;
  bool existsInProgramFolder(std::string_view name) const;

  // `dataFolderWritable`: false until the write test of start-up has run. Every write of
  // the settings, score-name and colour files is skipped while it is false, and files
  // are then opened for reading only.
  bool writable() const { return writable_; }
  void setWritable(bool writable) { writable_ = writable; }

  // A write-protected medium: every opening for writing, copy, delete, attribute change
  // and folder creation fails, as on a read-only mount. Root ignores permission bits, so
  // this is how the read-only mode is exercised where the game runs as root.
  bool writeProtected() const { return writeProtected_; }
  void setWriteProtected(bool on) { writeProtected_ = on; }

  // A folder whose files may be written but that takes no new file, as a folder without
  // write permission does for its player: creating a file fails. Root ignores permission
  // bits, so this is how such a folder is exercised where the game runs as root.
  bool takesNoNewFile() const { return takesNoNewFile_; }
  void setTakesNoNewFile(bool on) { takesNoNewFile_ = on; }

  // Why nothing is saved in this run although the medium may be written (a damaged
  // settings file), in French; empty on a write-protected medium and when all is well.
  const std::string& unsavedReason() const { return unsavedReason_; }
  void setUnsavedReason(std::string reason) { unsavedReason_ = std::move(reason); }

  // Opens the file that dataFilePath gives for `name`. Writing modes throw IoError on a
  // write-protected medium.
  RecordFile open(std::string_view name, std::size_t recordSize, RecordFile::Mode mode) const;
  // Opens an exact path under the same rules.
  RecordFile openPath(const std::filesystem::path& path, std::size_t recordSize,
                      RecordFile::Mode mode) const;

  // Prepares `path` to be rewritten whole with `bytes` (see FileReplacement): the copy is
  // written now, commit() puts it in place. Throws IoError on a write-protected medium, and
  // where the folder takes no new file and `path` does not exist; where it takes no new
  // file, the bytes go over the file itself.
  std::unique_ptr<FileReplacement> prepareReplacement(const std::filesystem::path& path,
                                                      std::string_view bytes) const;
  // Rewrites `path` whole: its old bytes or its new ones, never a mix.
  void replaceFile(const std::filesystem::path& path, std::string_view bytes) const;

  // File operations of the start-up tidy-up; each returns whether it succeeded. A copy
  // goes to a temporary file beside `to` that then takes its name, so that a copy that
  // fails (a full disk) leaves `to` as it was and no partial file behind.
  // `failure`, when given, receives the reason of a failed copy.
  bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                std::error_code* failure = nullptr) const;
  // Removes the file when the medium takes writes; a failure is not told.
  void removeFile(const std::filesystem::path& path) const;
  // Clears the read-only attribute (on Linux: sets the owner's write permission).
  bool clearReadOnly(const std::filesystem::path& path) const;
  bool isReadOnly(const std::filesystem::path& path) const;
  // Creates the data folder beside the program; `dataFolder()` then tells whether it came.
  void createDataFolder() const;

 private:
  std::filesystem::path programFolder_;
  bool writable_ = false;
  bool writeProtected_ = false;
  bool takesNoNewFile_ = false;
  std::string unsavedReason_;
};

// An advisory lock (flock) on the data folder, held while a copy of the game changes the
// settings, score-name or colour file: two copies of the game started on one folder take
// turns, and each reads the files again under the lock before it changes them. The folder
// itself is locked (the program's folder when there is no data folder), so that no lock
// file is left among the player's files and a folder that takes no new file is locked
// too. Another copy holds the lock for a few milliseconds at a time; after `patience`
// without it the lock throws IoError. Where the system offers no lock, none is taken.
class DataFolderLock {
 public:
  static constexpr std::chrono::milliseconds kPatience{10000};

  explicit DataFolderLock(const DataFolder& folder, std::chrono::milliseconds patience = kPatience);
  ~DataFolderLock();
  DataFolderLock(const DataFolderLock&) = delete;
  DataFolderLock& operator=(const DataFolderLock&) = delete;

 private:
  int fd_ = -1;
};

// Where the package puts the program.
inline constexpr std::string_view kPackageProgramFolder = "/usr/lib/games/vorlane";

// A program folder under /usr belongs to the system's package manager: the game treats it
// as a write-protected medium for every player, root included (root ignores the folder's
// permissions, but a game must not write into a package's files). So is a folder that
// ends like the package's own place, "usr/lib/games/vorlane", wherever the package was
// unpacked.
bool isSystemInstall(const std::filesystem::path& programFolder);

}  // namespace vorlane
