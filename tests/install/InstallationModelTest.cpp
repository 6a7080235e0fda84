#include "install/InstallationModel.h"

#include <gtest/gtest.h>

#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

struct FakePort : InstallationPort {
  void refresh() override {
    ++repaints;
    if (duringRefresh) duringRefresh();
  }
  void letEventsRun() override {
    if (duringEvents) duringEvents();
  }
  void playSound(std::string_view name) override { sounds.emplace_back(name); }
  void reportFailure() override { ++failures; }
  void handOver(const fs::path& program_, std::string_view word_,
                const fs::path& folder_) override {
    ++handOvers;
    program = program_;
    word = word_;
    folder = folder_;
  }
  std::function<void()> duringEvents;
  std::function<void()> duringRefresh;
  int repaints = 0;
  int failures = 0;
  int handOvers = 0;
  std::vector<std::string> sounds;
  fs::path program;
  std::string word;
  fs::path folder;
};

class InstallationModelTest : public ::testing::Test {
 protected:
  InstallationModelTest() {
    for (const char* file : {"Vorlane", "vorlane.hlp", "Zari666/azl.666", "Zari666/Nsco.666"}) {
      medium.writeFile(file, file);
    }
  }
  std::string caption() const { return win1252ToUtf8(model.view().caption); }
  std::string memoLine(std::size_t i) const { return win1252ToUtf8(model.view().memo.at(i).text); }

  test::TempFolder medium;
  test::TempFolder home;
  FakePort port;
  InstallationModel model{medium.path(), home.path(), port};
};

TEST_F(InstallationModelTest, InstallingFromTheFirstPageHandsOverWithIns) {
  EXPECT_EQ(caption(), "Bienvenue !");
  EXPECT_FALSE(model.view().panelVisible);
  EXPECT_EQ(model.view().memo.size(), 5u);
  EXPECT_EQ(win1252ToUtf8(model.view().majCaption), "Mettre à jour");
  EXPECT_EQ(model.view().button1Caption, "Installer");
  EXPECT_EQ(model.view().button2Caption, "Plus tard");
  EXPECT_EQ(memoLine(4), "(Cliquez sur Mettre à jour si vous possédez une version antérieure.)");

  model.Button1Click();
  EXPECT_EQ(caption(), "Installation dans");
  EXPECT_EQ(model.view().panelFolder, home.path());
  EXPECT_EQ(model.view().memoTop, 64);
  EXPECT_EQ(model.view().memoHeight, 100);
  EXPECT_EQ(model.view().memo.size(), 3u);
  EXPECT_TRUE(model.view().panelVisible && model.view().browseVisible &&
              model.view().shortcutVisible);
  EXPECT_EQ(model.view().button2Caption, "Annuler");
  EXPECT_EQ(model.view().majCaption, "Retour");
  EXPECT_TRUE(memoLine(0).starts_with("L'installation va créer dans le répertoire ci-dessus"));

  model.setShortcutChecked(false);
  std::vector<int> gaugeAtRefresh;  // the gauge's position on screen, -1 while hidden
  port.duringRefresh = [&] {
    gaugeAtRefresh.push_back(model.view().gaugeVisible ? model.view().gaugePosition : -1);
  };
  model.Button1Click();
  EXPECT_EQ(gaugeAtRefresh, (std::vector<int>{0, 0, 1, 2, 3})) << "shown before the first file";
  EXPECT_EQ(port.word, "ins");
  EXPECT_EQ(port.folder, home.path() / "Vorlane");
  EXPECT_EQ(port.program, home.path() / "Vorlane" / "Vorlane");
  EXPECT_TRUE(home.exists("Vorlane/Zari666/Nsco.666"));
  EXPECT_TRUE(model.view().gaugeVisible);
  EXPECT_FALSE(model.view().panelVisible || model.view().browseVisible) << "the gauge instead";
  EXPECT_EQ(model.view().gaugeMaximum, 3);
  EXPECT_EQ(model.view().gaugePosition, 3);
  EXPECT_FALSE(model.view().shortcutEnabled);
  EXPECT_EQ(model.view().captionFolder, home.path() / "Vorlane");
}

TEST_F(InstallationModelTest, UpdateSearchesTheHomeFolderAndHandsOverWithMajrac) {
  home.writeFile("jeux/Vorlane/Vorlane", "ancien");
  home.writeFile("jeux/Vorlane/Zari666/Prefint.666", "réglages");
  std::vector<std::string> captionsWhileSearching;
  port.duringEvents = [&] { captionsWhileSearching.push_back(caption()); };
  model.majClick();
  port.duringEvents = nullptr;
  ASSERT_FALSE(captionsWhileSearching.empty());
  EXPECT_EQ(captionsWhileSearching.front(), "Recherche d'une version antérieure...");
  EXPECT_EQ(caption(), "Mise à jour dans");
  EXPECT_EQ(win1252ToUtf8(model.view().button1Caption), "Mettre à jour");
  EXPECT_EQ(model.view().panelFolder, home.path() / "jeux" / "Vorlane");
  EXPECT_EQ(memoLine(1),
            "Le répertoire sélectionné contient une précédente version de l'application.");
  EXPECT_TRUE(model.view().button1Enabled);
  EXPECT_GT(port.repaints, 0);
  // A folder chosen on this page is searched in turn, from the installation texts.
  std::vector<std::string> buttonWhileSearching;
  port.duringEvents = [&] { buttonWhileSearching.push_back(model.view().button1Caption); };
  model.folderChosen(home.path() / "jeux");
  port.duringEvents = nullptr;
  ASSERT_FALSE(buttonWhileSearching.empty());
  EXPECT_EQ(buttonWhileSearching.front(), "Installer");
  EXPECT_EQ(model.view().panelFolder, home.path() / "jeux" / "Vorlane");

  model.Button1Click();
  EXPECT_EQ(port.word, "majrac");
  EXPECT_EQ(port.folder, home.path() / "jeux" / "Vorlane");
  EXPECT_EQ(home.readFile("jeux/Vorlane/Vorlane"), "Vorlane");
  EXPECT_EQ(home.readFile("jeux/Vorlane/Zari666/Prefint.666"), "réglages");
}

// Nothing to update: "Mettre à jour" stays disabled whenever the window comes back, until
// a folder with an earlier copy is chosen.
TEST_F(InstallationModelTest, ASearchThatFindsNothingDisablesTheButtonUntilACopyIsChosen) {
  home.writeFile("documents/lettre.txt", "");
  model.majClick();
  EXPECT_EQ(memoLine(0), "Recherche automatique infructueuse.");
  EXPECT_EQ(model.view().panelFolder, home.path());
  EXPECT_FALSE(model.view().button1Enabled);
  model.Button1Click();
  EXPECT_FALSE(model.FormActivate());
  EXPECT_FALSE(model.FormActivate());
  EXPECT_FALSE(model.view().button1Enabled);
  model.Button1Click();
  EXPECT_TRUE(port.word.empty());
  EXPECT_FALSE(home.exists("Vorlane"));

  home.writeFile("jeux/Vorlane", "ancien");
  model.folderChosen(home.path() / "jeux");
  EXPECT_TRUE(model.view().button1Enabled);
  EXPECT_TRUE(model.FormActivate());

  model.folderChosen(home.path() / "documents");
  ASSERT_FALSE(model.view().button1Enabled);
  model.majClick();  // "Retour": the first page's "Installer" answers again
  EXPECT_TRUE(model.view().button1Enabled);
}

TEST_F(InstallationModelTest, CancelDuringTheSearchRingsAndNothingElseRunsMeanwhile) {
  home.writeFile("a/b/c/lettre.txt", "");
  home.writeFile("z/y/Vorlane", "");
  int rounds = 0;
  port.duringEvents = [&] {
    // The player clicks everything while the search runs; only "Annuler" counts.
    model.Button1Click();
    model.majClick();
    model.folderChosen(home.path() / "a");
    if (++rounds == 2) model.Button2Click();
  };
  model.majClick();
  EXPECT_EQ(port.sounds, std::vector<std::string>{"ding.wav"});
  EXPECT_TRUE(port.word.empty());
  EXPECT_FALSE(model.busy());
  EXPECT_EQ(memoLine(0), "Recherche automatique infructueuse.");
  EXPECT_NE(model.view().panelFolder, home.path());

  // The window shown again: the folder where the search stopped is no target.
  port.duringEvents = nullptr;
  EXPECT_FALSE(model.FormActivate());
  EXPECT_FALSE(model.view().button1Enabled);
  model.Button1Click();
  EXPECT_TRUE(port.word.empty());
  EXPECT_FALSE(home.exists("a/Vorlane") || home.exists("a/b/Vorlane") ||
               home.exists("a/b/c/Vorlane") || home.exists("z/Vorlane"));
  // The next search runs to its end: the last one's "Annuler" is spent.
  model.folderChosen(home.path() / "z");
  EXPECT_EQ(model.view().panelFolder, home.path() / "z" / "y");
}

// The copy lets window events run while it lists the files: a click then starts nothing
// else, and the copy hands over once, into the folder it started with.
TEST_F(InstallationModelTest, ClicksDuringTheCopyChangeNothing) {
  model.Button1Click();
  home.writeFile("ailleurs/Vorlane", "ancien");
  port.duringEvents = [&] {
    model.Button1Click();
    model.majClick();
    model.folderChosen(home.path() / "ailleurs");
  };
  model.Button1Click();
  EXPECT_EQ(port.handOvers, 1);
  EXPECT_EQ(port.word, "insrac");
  EXPECT_EQ(port.folder, home.path() / "Vorlane");
  EXPECT_EQ(caption(), "Installation dans");
  EXPECT_EQ(model.view().captionFolder, home.path() / "Vorlane");
  EXPECT_EQ(home.readFile("ailleurs/Vorlane"), "ancien");
}

TEST_F(InstallationModelTest, AChosenFolderWithTheProgramSwitchesToUpdate) {
  model.Button1Click();
  home.writeFile("Jeux/Vorlane", "ancien");
  model.folderChosen(home.path() / "Jeux");
  EXPECT_EQ(caption(), "Mise à jour dans");
  EXPECT_TRUE(model.view().button1Enabled);
  model.Button1Click();
  EXPECT_EQ(port.word, "majrac");
  EXPECT_EQ(port.folder, home.path() / "Jeux");

  // "Retour" goes back to the first page.
  model.majClick();
  EXPECT_EQ(caption(), "Bienvenue !");
  EXPECT_EQ(model.view().button2Caption, "Plus tard");
}

TEST_F(InstallationModelTest, AFailedCopyReportsAndHandsNothingOver) {
  home.writeFile("Vorlane/Zari666", "un fichier");
  model.Button1Click();
  model.Button1Click();
  EXPECT_EQ(port.failures, 1);
  EXPECT_TRUE(port.word.empty());
  EXPECT_TRUE(model.view().gaugeVisible);
  EXPECT_EQ(model.view().captionFolder, home.path() / "Vorlane");

  // "Retour": the first page as it was, nothing of the failed copy on it.
  const InstallationView welcome = InstallationModel(medium.path(), home.path(), port).view();
  model.majClick();
  EXPECT_EQ(model.view().caption, welcome.caption);
  EXPECT_TRUE(model.view().captionFolder.empty());
  EXPECT_EQ(model.view().memo, welcome.memo);
  EXPECT_EQ(model.view().memoTop, 13);
  EXPECT_EQ(model.view().memoHeight, 150);
  EXPECT_FALSE(model.view().gaugeVisible || model.view().panelVisible);
  model.Button1Click();
  EXPECT_EQ(caption(), "Installation dans");
  EXPECT_TRUE(model.view().captionFolder.empty());
  EXPECT_TRUE(model.view().panelVisible && model.view().browseVisible);
  EXPECT_TRUE(model.view().shortcutEnabled);
  EXPECT_FALSE(model.view().gaugeVisible);
}

// Nothing of the distribution beside the running program: no file to copy, so no folder
// to install into. The failure is reported and the window answers the next clicks.
TEST_F(InstallationModelTest, NothingToCopyIsAFailureAfterWhichTheWindowAnswers) {
  test::TempFolder bare;
  bare.writeFile("notes.txt", "");
  bare.writeFile("autres/Vorlane", "");
  InstallationModel empty(bare.path(), home.path(), port);
  empty.Button1Click();
  const InstallationView folderPage = empty.view();
  empty.Button1Click();
  EXPECT_EQ(port.failures, 1);
  EXPECT_EQ(port.handOvers, 0);
  EXPECT_FALSE(empty.busy());
  EXPECT_TRUE(empty.view() == folderPage) << "no gauge, the folder can still be changed";
  empty.Button1Click();
  EXPECT_EQ(port.failures, 2);
  empty.majClick();
  EXPECT_EQ(win1252ToUtf8(empty.view().caption), "Bienvenue !");
  EXPECT_FALSE(home.exists("Vorlane"));
}

// The running copy unpacked read-only under the home, spelt as the program finds itself
// (another road to the same folder): its own folder is never an earlier copy, neither
// for the search nor when chosen, so it is never copied onto itself.
TEST_F(InstallationModelTest, TheRunningCopysOwnFolderIsNeverAnEarlierCopy) {
  const fs::path own = home.path() / "paquet" / "usr" / "lib" / "games" / "vorlane";
  for (const char* file : {"Vorlane", "vorlane.hlp", "Zari666/azl.666"})
    home.writeFile(fs::path("paquet/usr/lib/games/vorlane") / file, file);
  fs::create_directory_symlink(own, home.path() / "jeu");
  InstallationModel running(home.path() / "jeu" / "", home.path(), port);

  running.majClick();
  EXPECT_EQ(win1252ToUtf8(running.view().caption), "Mise à jour dans");
  EXPECT_EQ(win1252ToUtf8(running.view().memo.at(0).text), "Recherche automatique infructueuse.");
  EXPECT_EQ(running.view().panelFolder, home.path());
  EXPECT_FALSE(running.view().button1Enabled);

  running.folderChosen(own / "");
  EXPECT_EQ(win1252ToUtf8(running.view().caption), "Mise à jour dans");
  EXPECT_FALSE(running.view().button1Enabled);

  // An earlier copy elsewhere is still found, past the running one.
  home.writeFile("ancien/Vorlane/Vorlane", "ancien");
  running.folderChosen(home.path());
  EXPECT_EQ(running.view().panelFolder, home.path() / "ancien" / "Vorlane");
  EXPECT_TRUE(running.view().button1Enabled);
}

}  // namespace
}  // namespace vorlane
