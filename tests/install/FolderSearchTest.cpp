#include "install/FolderSearch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

// A home folder with a link back to itself, a folder that cannot be listed (holding a copy
// that must stay unseen) and an earlier copy deep in it.
class FolderSearchTest : public ::testing::Test {
 protected:
  FolderSearchTest() {
    home.writeFile("documents/lettre.txt", "");
    home.writeFile("fermé/Vorlane/Vorlane", "");
    home.writeFile("jeux/ancien/Vorlane", "");
    home.writeFile("jeux/ancien/Zari666/azl.666", "");
    fs::create_directory_symlink(home.path(), home.path() / "jeux" / "boucle");
    fs::create_directory_symlink(home.path() / "jeux", home.path() / "raccourci");
    // Traversable by the unprivileged player the tests become when run as root.
    for (const auto& entry : fs::recursive_directory_iterator(home.path())) {
      if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::all, fs::perm_options::add);
    }
    fs::permissions(home.path(), fs::perms::all, fs::perm_options::add);
    fs::permissions(home.path() / "fermé", fs::perms::none);
  }
  ~FolderSearchTest() override { fs::permissions(home.path() / "fermé", fs::perms::owner_all); }

  // Root lists every folder whatever its permissions: as root, the search runs in a child
  // process that has become an ordinary player, and reports through its exit status.
  static bool asPlayer(const std::function<bool()>& check) {
    if (geteuid() != 0) return check();
    const pid_t child = fork();
    if (child == 0) {
      const bool ok = setgid(65534) == 0 && setuid(65534) == 0 && check();
      _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }

  bool shown(const fs::path& relative) const {
    return std::find(visited.begin(), visited.end(), home.path() / relative) != visited.end();
  }
  bool anyShownThroughALink() const {
    return std::any_of(visited.begin(), visited.end(), [](const fs::path& folder) {
      const std::string text = folder.native();
      return text.find("/boucle") != std::string::npos ||
             text.find("/raccourci") != std::string::npos;
    });
  }

  SearchHooks hooks(int cancelAfter = -1) {
    return {[this](const fs::path& folder) { visited.push_back(folder); },
            [this, cancelAfter] { return ++eventRounds == cancelAfter; }};
  }

  test::TempFolder home;
  std::vector<fs::path> visited;
  int eventRounds = 0;
};

TEST_F(FolderSearchTest, FindsTheEarlierCopyWithoutFollowingLinksOrStoppingAtAClosedFolder) {
  EXPECT_TRUE(asPlayer([this] {
    const SearchResult result = searchPreviousVersion(home.path(), hooks());
    return result.found == home.path() / "jeux" / "ancien" && !result.cancelled &&
           !anyShownThroughALink();
  }));
}

TEST_F(FolderSearchTest, RunsToItsEndWhenThereIsNoCopy) {
  fs::remove_all(home.path() / "jeux" / "ancien");
  EXPECT_TRUE(asPlayer([this] {
    const SearchResult result = searchPreviousVersion(home.path(), hooks());
    // Every real folder visited once, the closed one included; the copy inside it unseen.
    return !result.found && !result.cancelled && shown("fermé") && shown("documents") &&
           shown("jeux") && !shown("fermé/Vorlane") && !anyShownThroughALink() &&
           visited.size() == 3 && eventRounds == 4;
  }));
}

TEST_F(FolderSearchTest, CancelStopsAtTheNextFolder) {
  const SearchResult result = searchPreviousVersion(home.path(), hooks(2));
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(result.found);
  EXPECT_EQ(visited.size(), 1u);
}

TEST_F(FolderSearchTest, AFolderHoldingTheProgramIsFoundBeforeAnyEventRuns) {
  const SearchResult result = searchPreviousVersion(home.path() / "jeux" / "ancien", hooks());
  EXPECT_EQ(result.found, home.path() / "jeux" / "ancien");
  EXPECT_EQ(eventRounds, 0);
}

}  // namespace
}  // namespace vorlane
