#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

// The folder a fresh installation creates under the folder the player chooses.
inline constexpr std::string_view kInstallFolderName = "Vorlane";

// The installer's hand-off words, the first argument of the installed copy.
inline constexpr std::string_view kHandOffInstall = "ins";
inline constexpr std::string_view kHandOffInstallWithGroup = "insrac";
inline constexpr std::string_view kHandOffUpdate = "maj";
inline constexpr std::string_view kHandOffUpdateWithGroup = "majrac";

// One file to copy: `ListBoxsour` and `ListBoxdest` of the installer, side by side.
struct CopyItem {
  std::filesystem::path source;
  std::filesystem::path destination;
  bool operator==(const CopyItem&) const = default;
};
using CopyList = std::vector<CopyItem>;

// Whether `folder` holds an earlier copy: a real file (not a link, not a folder: a fresh
// installation's folder is itself named "Vorlane") named like the program file
// `kProgramFileName` ("Vorlane.exe" of the game's texts) without regard to case.
bool holdsProgram(const std::filesystem::path& folder);

// Whether two paths name one folder: the same folder on disk however it is spelt (links,
// "..", a trailing "/"), so a folder reached by another road is still known. Paths that
// do not exist are compared once made canonical as far as they go.
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `folder` holds an earlier copy for the copy running from `runningFolder`: it
// holds the program and is not the running copy's own folder, which is never one to
// update (a copy unpacked read-only under the home would otherwise be found by its own
// search and copied onto itself). An empty `runningFolder` excludes nothing.
bool holdsEarlierCopy(const std::filesystem::path& folder,
                      const std::filesystem::path& runningFolder);

// Whether a file name is one of the distribution's, compared without regard to case.
bool isDistributionFile(std::string_view name);

// `addToCopyList`'s rule: where a file of the running copy goes, or nothing when it is
// not copied. Only the distribution's files of the program's folder and of its data folder
// are copied; they go into `target` itself when it holds an earlier copy (never the
// program's own folder), else into a new folder "Vorlane" under it, keeping their place relative to the program's folder.
std::optional<std::filesystem::path> copyDestination(const std::filesystem::path& programFolder,
                                                     const std::filesystem::path& file,
                                                     const std::filesystem::path& target);

// `walkFiles`: the files of `folder` in listing order, then each sub-folder walked the
// same way. A link is walked as what it leads to (the packaged game reaches its data
// folder and help files through links), except a link back into a folder being walked;
// a link that leads nowhere and a folder that cannot be listed are skipped. The walk
// stops when the visitor answers false; returns false then.
using FileVisitor = std::function<bool(const std::filesystem::path& file)>;
bool walkFiles(const std::filesystem::path& folder, const FileVisitor& visitor);

// The copy list of the running copy's folder towards `target`; `eachFile` runs before
// each file is looked at (the window lets its events run there).
CopyList buildCopyList(const std::filesystem::path& programFolder,
                       const std::filesystem::path& target,
                       const std::function<void()>& eachFile = {});

// The folder of the first destination: the installed copy's folder (the program's own
// files come before those of its data folder). Nothing for an empty list.
std::optional<std::filesystem::path> installationFolder(const CopyList& list);

// Copies the list in order, creating missing folders and replacing existing files, and
// makes each copy writable. `progress` receives each index before its copy. Returns false
// at the first file that could not be copied whole (files already copied stay).
bool copyFiles(const CopyList& list, const std::function<void(std::size_t index)>& progress = {});

// "ins" or "maj" for a fresh installation or an update; "insrac" or "majrac" when the
// Start-menu group is to be created.
std::string_view handOffWord(bool freshInstallation, bool createGroup);

// The folder as the window shows it: its path with a trailing "/".
std::string folderText(const std::filesystem::path& folder);

}  // namespace vorlane
