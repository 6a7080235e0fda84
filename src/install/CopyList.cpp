#include "install/CopyList.h"

#include <algorithm>
#include <system_error>

#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && plainForm(a) == plainForm(b);
}

// The folders being walked, outermost first, by their real place: a link that leads back
// into one of them is not walked again.
using WalkedFolders = std::vector<fs::path>;

// The entries of a folder in listing order; empty when it cannot be listed.
std::vector<fs::directory_entry> entriesOf(const fs::path& folder) {
  std::vector<fs::directory_entry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    entries.push_back(*it);
  }
  return entries;
}

// Copies through a temporary file renamed over the destination: a full disk or a failed
// write never leaves a partial file, nor an earlier copy's file reported as updated.
bool copyWhole(const fs::path& source, const fs::path& destination) {
  std::error_code ec;
  fs::create_directories(destination.parent_path(), ec);
  fs::path temporary = destination;
  temporary += ".copie";
  ec.clear();
  fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(temporary, destination, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return fs::is_regular_file(destination, ec);
}

}  // namespace

bool holdsProgram(const fs::path& folder) {
  for (const fs::directory_entry& entry : entriesOf(folder)) {
    std::error_code ec;
    if (sameName(entry.path().filename().native(), kProgramFileName) &&
        entry.symlink_status(ec).type() == fs::file_type::regular) {
      return true;
    }
  }
  return false;
}

// One folder under two names (a link, a trailing "/"); a folder that is gone is no other's.
bool sameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

bool holdsEarlierCopy(const fs::path& folder, const fs::path& runningFolder) {
  if (!holdsProgram(folder)) return false;
  return runningFolder.empty() || !sameFolder(folder, runningFolder);
}

bool isDistributionFile(std::string_view name) {
  if (name.empty()) return false;
  for (const std::string& slot : distributionFiles()) {
    if (!slot.empty() && sameName(slot, name)) return true;
  }
  return false;
}

std::optional<fs::path> copyDestination(const fs::path& programFolder, const fs::path& file,
                                        const fs::path& target) {
  if (!isDistributionFile(file.filename().native())) return std::nullopt;
  const fs::path relative = file.parent_path().lexically_relative(programFolder);
  const bool besideProgram = relative == ".";
  const bool inDataFolder = sameName(relative.native(), kDataFolderName);
  if (!besideProgram && !inDataFolder) return std::nullopt;
  fs::path destination =
      holdsEarlierCopy(target, programFolder) ? target : target / kInstallFolderName;
  if (inDataFolder) destination /= relative;
  return destination / file.filename();
}

namespace {

bool walkFilesUnder(const fs::path& folder, const FileVisitor& visitor, WalkedFolders& walked) {
  std::error_code ec;
  const fs::path place = fs::canonical(folder, ec);
  if (ec || std::find(walked.begin(), walked.end(), place) != walked.end()) return true;
  walked.push_back(place);
  const std::vector<fs::directory_entry> entries = entriesOf(folder);
  bool goOn = true;
  // A link that leads nowhere is no file to copy.
  for (auto it = entries.begin(); goOn && it != entries.end(); ++it) {
    if (!it->is_directory(ec) && it->exists(ec)) goOn = visitor(it->path());
  }
  for (auto it = entries.begin(); goOn && it != entries.end(); ++it) {
    if (it->is_directory(ec)) goOn = walkFilesUnder(it->path(), visitor, walked);
  }
  walked.pop_back();
  return goOn;
}

}  // namespace

bool walkFiles(const fs::path& folder, const FileVisitor& visitor) {
  WalkedFolders walked;
  return walkFilesUnder(folder, visitor, walked);
}

CopyList buildCopyList(const fs::path& programFolder, const fs::path& target,
                       const std::function<void()>& eachFile) {
  CopyList list;
  walkFiles(programFolder, [&](const fs::path& file) {
    if (eachFile) eachFile();
    if (auto destination = copyDestination(programFolder, file, target)) {
      list.push_back({file, *destination});
    }
    return true;
  });
  return list;
}

std::optional<fs::path> installationFolder(const CopyList& list) {
  if (list.empty()) return std::nullopt;
  return list.front().destination.parent_path();
}

bool copyFiles(const CopyList& list, const std::function<void(std::size_t index)>& progress) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (progress) progress(i);
    const CopyItem& item = list[i];
    if (!copyWhole(item.source, item.destination)) return false;
    std::error_code ec;
    // A file that was read-only on the medium arrives writable.
    fs::permissions(item.destination, fs::perms::owner_write, fs::perm_options::add, ec);
  }
  return true;
}

std::string_view handOffWord(bool freshInstallation, bool createGroup) {
  if (freshInstallation) return createGroup ? kHandOffInstallWithGroup : kHandOffInstall;
  return createGroup ? kHandOffUpdateWithGroup : kHandOffUpdate;
}

std::string folderText(const fs::path& folder) {
  std::string text = folder.native();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace vorlane
