#include "install/CopyList.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/DataFolder.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

// A running copy: the program and its files, the player's own files, and files that are
// not the distribution's.
class CopyListTest : public ::testing::Test {
 protected:
  CopyListTest() {
    for (const char* file :
         {"Vorlane", "vorlane.hlp", "Lisezmoi.txt", "notes.txt", "Zari666/azl.666",
          "Zari666/Ding.wav", "Zari666/Prefint.666", "Zari666/stx.666", "Zari666/color.ini",
          "Zari666/Demarre.666", "Zari666/sauvegarde/azl.666", "autres/Nsco.666"}) {
      medium.writeFile(fs::path("Vorlane") / file, file);
    }
  }
  fs::path program() const { return medium.path() / "Vorlane"; }
  fs::path target() const { return disk.path(); }

  std::vector<fs::path> destinations(const CopyList& list) const {
    std::vector<fs::path> paths;
    for (const CopyItem& item : list)
      paths.push_back(item.destination.lexically_relative(target()));
    std::sort(paths.begin(), paths.end());
    return paths;
  }

  test::TempFolder medium;
  test::TempFolder disk;
};

TEST_F(CopyListTest, FreshInstallationCopiesOnlyTheDistributionIntoANewVorlaneFolder) {
  const CopyList list = buildCopyList(program(), target());
  EXPECT_EQ(
      destinations(list),
      (std::vector<fs::path>{"Vorlane/Lisezmoi.txt", "Vorlane/Vorlane", "Vorlane/Zari666/Ding.wav",
                             "Vorlane/Zari666/azl.666", "Vorlane/vorlane.hlp"}));
  // The program's own files come first, so the first destination names the installed copy.
  EXPECT_EQ(installationFolder(list), target() / "Vorlane");

  ASSERT_TRUE(copyFiles(list));
  EXPECT_EQ(disk.readFile("Vorlane/Zari666/azl.666"), "Zari666/azl.666");
  EXPECT_FALSE(disk.exists("Vorlane/Zari666/Prefint.666"));
  EXPECT_FALSE(disk.exists("Vorlane/notes.txt"));
}

TEST_F(CopyListTest, UpdateCopiesIntoTheEarlierCopyAndLeavesThePlayersFilesAlone) {
  disk.writeFile("Vorlane", "ancien programme");
  disk.writeFile("Zari666/Prefint.666", "mes préférences");
  disk.writeFile("Zari666/stx.666", "mes scores");
  disk.writeFile("Zari666/color.ini", "mes couleurs");
  disk.writeFile("Zari666/azl.666", "anciens mots");

  const CopyList list = buildCopyList(program(), target());
  EXPECT_EQ(installationFolder(list), target());
  ASSERT_TRUE(copyFiles(list));
  EXPECT_EQ(disk.readFile("Vorlane"), "Vorlane");
  EXPECT_EQ(disk.readFile("Zari666/azl.666"), "Zari666/azl.666");
  EXPECT_EQ(disk.readFile("Zari666/Prefint.666"), "mes préférences");
  EXPECT_EQ(disk.readFile("Zari666/stx.666"), "mes scores");
  EXPECT_EQ(disk.readFile("Zari666/color.ini"), "mes couleurs");
}

TEST_F(CopyListTest, AFolderNamedLikeTheProgramIsNoEarlierCopy) {
  fs::create_directories(target() / "Vorlane" / "Zari666");
  EXPECT_FALSE(holdsProgram(target()));
  EXPECT_TRUE(holdsProgram(program()));
  fs::create_symlink(program() / "Vorlane", target() / "vorlane");
  EXPECT_FALSE(holdsProgram(target()));
  medium.writeFile("ancien/VORLANE", "");
  EXPECT_TRUE(holdsProgram(medium.path() / "ancien"));
}

// The packaged game: the program's folder reaches its data folder and help file through
// links into another tree, its read-me through a link that a system without documents
// leaves dangling, and a link leads back into the folder itself.
TEST_F(CopyListTest, LinkedDataFolderIsCopiedAsFilesAndNoLinkLoopsOrDangles) {
  medium.writeFile("paquet/lib/Vorlane", "programme");
  medium.writeFile("paquet/share/Zari666/Nsco.666", "usine");
  medium.writeFile("paquet/share/vorlane.hlp", "aide");
  const fs::path lib = medium.path() / "paquet" / "lib";
  fs::create_directory_symlink("../share/Zari666", lib / "Zari666");
  fs::create_symlink("../share/vorlane.hlp", lib / "vorlane.hlp");
  fs::create_symlink("../doc/Lisezmoi.txt", lib / "Lisezmoi.txt");
  fs::create_directory_symlink("../../lib", lib / "Zari666" / "retour");
  fs::create_directory_symlink("../lib", lib / "boucle");

  std::vector<fs::path> visited;
  EXPECT_TRUE(walkFiles(lib, [&](const fs::path& file) {
    visited.push_back(file.lexically_relative(lib));
    return true;
  }));
  std::sort(visited.begin(), visited.end());
  EXPECT_EQ(visited, (std::vector<fs::path>{"Vorlane", "Zari666/Nsco.666", "vorlane.hlp"}));

  const CopyList list = buildCopyList(lib, target());
  EXPECT_EQ(destinations(list), (std::vector<fs::path>{"Vorlane/Vorlane", "Vorlane/Zari666/Nsco.666",
                                                       "Vorlane/vorlane.hlp"}));
  ASSERT_TRUE(copyFiles(list));
  EXPECT_FALSE(fs::is_symlink(target() / "Vorlane" / "vorlane.hlp"));
  EXPECT_FALSE(fs::is_symlink(target() / "Vorlane" / "Zari666"));
  EXPECT_EQ(disk.readFile("Vorlane/vorlane.hlp"), "aide");
  EXPECT_EQ(disk.readFile("Vorlane/Zari666/Nsco.666"), "usine");
}

TEST_F(CopyListTest, DestinationRuleByName) {
  EXPECT_TRUE(isDistributionFile("AZL.666"));
  EXPECT_TRUE(isDistributionFile("ding.wav"));
  EXPECT_TRUE(isDistributionFile("Vorlane.hlp"));
  for (const char* name : {"Prefint.666", "stx.666", "color.ini", "Demarre.666", ""}) {
    EXPECT_FALSE(isDistributionFile(name)) << name;
  }
  const fs::path folder = program();
  EXPECT_EQ(copyDestination(folder, folder / "zari666" / "Hi.wav", "/home/léa"),
            fs::path("/home/léa/Vorlane/zari666/Hi.wav"));
  EXPECT_EQ(copyDestination(folder, folder / "autres" / "Hi.wav", "/home/léa"), std::nullopt);
}

TEST_F(CopyListTest, ReadOnlyFilesArriveWritable) {
  fs::permissions(program() / "Zari666" / "azl.666", fs::perms::owner_write,
                  fs::perm_options::remove);
  ASSERT_TRUE(copyFiles(buildCopyList(program(), target())));
  const fs::perms perms = fs::status(target() / "Vorlane" / "Zari666" / "azl.666").permissions();
  EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
}

TEST_F(CopyListTest, ADestinationThatCannotBeMadeStopsTheCopy) {
  // A file where the data folder should go: no copy can land there, root or not.
  disk.writeFile("Vorlane/Zari666", "un fichier");
  const CopyList list = buildCopyList(program(), target());
  std::vector<std::size_t> shown;
  EXPECT_FALSE(copyFiles(list, [&](std::size_t i) { shown.push_back(i); }));
  // Copied up to the first file of the data folder, which failed; the files before it stay.
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(list[shown.back()].destination.parent_path().filename(), "Vorlane");
  EXPECT_TRUE(disk.exists("Vorlane/Vorlane"));
}

TEST_F(CopyListTest, AnEarlierFileThatCannotBeReplacedIsAFailureNotAnUpdate) {
  disk.writeFile("Vorlane", "ancien programme");
  disk.writeFile("Zari666/azl.666/dossier", "");
  EXPECT_FALSE(copyFiles(buildCopyList(program(), target())));
  EXPECT_FALSE(disk.exists("Zari666/azl.666.copie"));
}

TEST_F(CopyListTest, AFileThatCannotBeReadLeavesTheEarlierCopyInPlace) {
  disk.writeFile("Vorlane/vorlane.hlp", "ancienne aide");
  EXPECT_FALSE(copyFiles({{medium.path() / "absent.hlp", disk.path() / "Vorlane/vorlane.hlp"}}));
  EXPECT_EQ(disk.readFile("Vorlane/vorlane.hlp"), "ancienne aide");
}

TEST(HandOffWord, FollowsTheModeAndTheShortcutBox) {
  EXPECT_EQ(handOffWord(true, false), "ins");
  EXPECT_EQ(handOffWord(true, true), "insrac");
  EXPECT_EQ(handOffWord(false, false), "maj");
  EXPECT_EQ(handOffWord(false, true), "majrac");
}

// The target folder is shown with one trailing "/", never two; an empty one as the root.
TEST(FolderText, EndsWithOneSlash) {
  EXPECT_EQ(folderText("/home/léa"), "/home/léa/");
  EXPECT_EQ(folderText("/home/léa/"), "/home/léa/");
  EXPECT_EQ(folderText("/"), "/");
  EXPECT_EQ(folderText(""), "/");
}

TEST(SystemInstall, FoldersUnderUsrAndThePackagesPlaceAreWriteProtected) {
  EXPECT_TRUE(isSystemInstall("/usr/lib/games/vorlane"));
  EXPECT_TRUE(isSystemInstall("/usr/lib/games/vorlane/"));
  EXPECT_TRUE(isSystemInstall("/tmp/paquet/usr/lib/games/vorlane"));
  EXPECT_FALSE(isSystemInstall("/home/lea/Vorlane"));
  EXPECT_FALSE(isSystemInstall("/usr2/vorlane"));
  EXPECT_FALSE(isSystemInstall("/tmp/lib/games/vorlane"));
}

}  // namespace
}  // namespace vorlane
