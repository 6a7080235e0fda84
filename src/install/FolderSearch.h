#pragma once

#include <filesystem>
#include <functional>
#include <optional>

namespace vorlane {

// What the search asks of the window between two folders.
struct SearchHooks {
  // The folder about to be visited (the window shows it and repaints).
  std::function<void(const std::filesystem::path& folder)> showFolder;
  // Lets pending events run; answers true when the player has cancelled meanwhile.
  std::function<bool()> letEventsRun;
};

struct SearchResult {
  std::optional<std::filesystem::path> found;
  bool cancelled = false;
};

// `searchPreviousVersion`: a depth-first search under `start` for a folder that holds an
// earlier copy (`holdsEarlierCopy`): the running copy's own folder `runningFolder` is never
// found, its search goes on past it. Events run before each folder's sub-folders are
// looked at. Links to folders are never followed (a link back to a parent would make the
// search endless) and folders that cannot be listed are skipped.
SearchResult searchPreviousVersion(const std::filesystem::path& start, const SearchHooks& hooks,
                                   const std::filesystem::path& runningFolder = {});

}  // namespace vorlane
