#include "install/FolderSearch.h"

#include <system_error>

#include "install/CopyList.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

enum class Visit { GoOn, Found, Cancelled };

class Search {
 public:
  explicit Search(const SearchHooks& hooks) : hooks_(hooks) {}

  Visit visit(const fs::path& folder) {
    if (holdsProgram(folder)) {
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
  std::optional<fs::path> found_;
};

}  // namespace

SearchResult searchPreviousVersion(const fs::path& start, const SearchHooks& hooks) {
  Search search(hooks);
  const Visit outcome = search.visit(start.empty() ? fs::current_path() : start);
  return {search.found(), outcome == Visit::Cancelled};
}

}  // namespace vorlane
