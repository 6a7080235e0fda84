#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "messages/StartMenuGroup.h"
#include "platform/DesktopEntry.h"
#include "platform/FreedesktopMenu.h"
#include "support/TempFolder.h"
#include "support/XdgSandbox.h"

namespace vorlane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct Outcome {
  int status = -1;
  std::string output;
};

Outcome runCommand(const std::string& command) {
  Outcome outcome;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return outcome;
  char buffer[512];
  while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
    outcome.output.append(buffer, n);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

class FreedesktopMenuTest : public ::testing::Test {
 protected:
  FreedesktopMenuTest() : executable(program.path() / "Vorlane") {}

  Lines groupFiles() const {
    return {"config/menus/applications-merged/vorlane-vorlane.menu",
            "data/applications/vorlane-vorlane-1.desktop",
            "data/applications/vorlane-vorlane-2.desktop",
            "data/applications/vorlane-vorlane-3.desktop",
            "data/applications/vorlane-vorlane-4.desktop",
            "data/applications/vorlane-vorlane-5.desktop",
            "data/desktop-directories/vorlane-vorlane.directory"};
  }
  // The arguments an item's entry starts.
  std::vector<std::string> itemExec(int item) const {
    const auto entry = readDesktopGroup(
        xdg.dataHome() / "applications" / ("vorlane-vorlane-" + std::to_string(item) + ".desktop"),
        "Desktop Entry");
    return entry ? splitExec(unescapeDesktopValue(entry->at("Exec"))) : std::vector<std::string>{};
  }

  test::XdgSandbox xdg;
  test::TempFolder program;
  fs::path executable;
};

TEST_F(FreedesktopMenuTest, TwoRunsLeaveOneSubmenuWithItsFiveEntriesInOrder) {
  FreedesktopMenu link(executable);
  createStartMenuGroup(link, executable);
  createStartMenuGroup(link, executable);
  EXPECT_EQ(xdg.userFiles(), groupFiles());

  xdg.installSystemMenu();
  // Debian's interpreter, which holds Debian's menu reader.
  const Outcome listed = runCommand("/usr/bin/python3 " + quoted(VORLANE_MENU_READER));
  EXPECT_EQ(listed.status, 0) << listed.output;
  EXPECT_EQ(listed.output,
            "[Vorlane]\n  Vorlane\n  Aide de Vorlane\n  Cerf.hlp\n  Web de Vorlane\n"
            "  Lisez-moi\n");
}

TEST_F(FreedesktopMenuTest, EachItemOpensWhatWorksHereAndEveryFilePassesTheValidator) {
  // A folder name with a blank, a comma and a quote, and the files as this system names them.
  const fs::path folder = program.path() / "Mes jeux, l'hiver";
  const fs::path game = folder / "Vorlane";
  program.writeFile("Mes jeux, l'hiver/vorlane.hlp", "<html></html>");
  program.writeFile("Mes jeux, l'hiver/Lisezmoi.txt", "Lisez-moi");
  FreedesktopMenu link(game);
  createStartMenuGroup(link, game);

  using Arguments = std::vector<std::string>;
  EXPECT_EQ(itemExec(1), (Arguments{game.string()}));
  EXPECT_EQ(itemExec(2), (Arguments{game.string(), "--aide", (folder / "vorlane.hlp").string()}));
  EXPECT_EQ(itemExec(3), (Arguments{game.string(), "--aide", (folder / "Cerf.hlp").string()}))
      << "an item even without its file";
  EXPECT_EQ(itemExec(4), (Arguments{game.string(), "--web"}));
  EXPECT_EQ(itemExec(5), (Arguments{"xdg-open", (folder / "Lisezmoi.txt").string()}));

  for (const std::string& file : xdg.userFiles()) {
    if (file.ends_with(".menu")) continue;
    const auto entry = readDesktopGroup(xdg.root().path() / file, "Desktop Entry");
    ASSERT_TRUE(entry) << file;
    EXPECT_EQ(entry->at("Icon"), "vorlane") << file;
    const Outcome checked = runCommand("desktop-file-validate " + quoted(xdg.root().path() / file));
    EXPECT_EQ(checked.status, 0) << file << ": " << checked.output;
    EXPECT_EQ(checked.output, "") << file;
  }
}

TEST_F(FreedesktopMenuTest, DeleteGroupRemovesExactlyWhatTheGroupWrote) {
  const Lines others{"config/menus/applications-merged/autre.menu",
                     "data/applications/vorlane-vorlane-notes.desktop",
                     "data/applications/vorlane.desktop",
                     "data/desktop-directories/vorlane-autre.directory"};
  for (const std::string& file : others) xdg.root().writeFile(file, "[Desktop Entry]\n");
  FreedesktopMenu link(executable);
  createStartMenuGroup(link, executable);
  // An item left by an earlier, longer group goes with it.
  xdg.root().writeFile("data/applications/vorlane-vorlane-6.desktop", "[Desktop Entry]\n");
  ASSERT_EQ(xdg.userFiles().size(), others.size() + groupFiles().size() + 1);

  EXPECT_TRUE(link.execute("[DeleteGroup(Vorlane)]\r\n"));
  EXPECT_EQ(xdg.userFiles(), others);
  EXPECT_FALSE(link.execute("[AddItem(/jeux/Vorlane,Vorlane.exe)]\r\n")) << "no group to add to";
}

TEST_F(FreedesktopMenuTest, NothingIsCarriedOutWithoutAnOpenLink) {
  FreedesktopMenu link(executable);
  EXPECT_FALSE(link.execute("[CreateGroup(Vorlane)]\r\n")) << "closed at first";
  ASSERT_TRUE(link.open());
  EXPECT_FALSE(link.execute("[ShowGroup(Vorlane,1)]\r\n"));
  EXPECT_FALSE(link.execute("CreateGroup(Vorlane)"));
  link.close();
  EXPECT_FALSE(link.execute("[CreateGroup(Vorlane)]\r\n"));
  EXPECT_TRUE(xdg.userFiles().empty());

  xdg.set("XDG_DATA_HOME", std::nullopt);
  xdg.set("HOME", std::nullopt);
  EXPECT_FALSE(link.open()) << "no folder for the user's menus";
}

}  // namespace
}  // namespace vorlane
