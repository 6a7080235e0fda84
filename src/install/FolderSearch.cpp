#include "install/FolderSearch.h"

#include <system_error>

#include "install/CopyList.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

enum class Visit { GoOn, Found, Cancelled };

class Search {
 public:
  Search(const SearchHooks& hooks, const fs::path& runningFolder)
      : hooks_(hooks), runningFolder_(runningFolder) {}

  Visit visit(const fs::path& folder) {
    if (holdsEarlierCopy(folder, runningFolder_)) {
      found_ = folder;
      return Visit::Found;
    }
    if (hooks_.letEventsRun && hooks_.letEventsRun()) return Visit::Cancelled;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      if (!it->is_directory(typeError) || it->is_symlink(typeError)) continue;
      if (hooks_.showFolder) hooks_.showFolder(it->path());
      const Visit result = visit(it->path());
      if (result != Visit::GoOn) return result;
    }
    return Visit::GoOn;
  }

  const std::optional<fs::path>& found() const { return found_; }

 private:
  const SearchHooks& hooks_;
  const fs::path& runningFolder_;
  std::optional<fs::path> found_;
};

}  // namespace

SearchResult searchPreviousVersion(const fs::path& start, const SearchHooks& hooks,
                                   const fs::path& runningFolder) {
  Search search(hooks, runningFolder);
  const Visit outcome = search.visit(start.empty() ? fs::current_path() : start);
  return {search.found(), outcome == Visit::Cancelled};
}

}  // namespace vorlane
