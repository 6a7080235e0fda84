#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/WebLink.h"
#include "platform/BrowserCommand.h"
#include "platform/ProcessStarter.h"
#include "support/XdgSandbox.h"

namespace vorlane {
namespace {

using Arguments = std::vector<std::string>;

class RecordingStarter : public ProcessStarter {
 public:
  bool starts = true;
  std::string program;
  Arguments arguments;
  bool startDetached(const std::string& started, const Arguments& given) override {
    program = started;
    arguments = given;
    return starts;
  }
};

TEST(SplitBrowserCommandTest, WindowsProgramNamesCutTheCommand) {
  EXPECT_EQ(splitBrowserCommand("\"C:\\Program Files\\Web\\browse.exe\" -nohome \"%1\""),
            (BrowserCommand{"C:\\Program Files\\Web\\browse.exe", {"-nohome"}}));
  EXPECT_EQ(splitBrowserCommand("C:\\Web\\browse.exe"),
            (BrowserCommand{"C:\\Web\\browse.exe", {}}));
  EXPECT_EQ(splitBrowserCommand("browse.exe %1"), (BrowserCommand{"browse.exe", {}}));
  EXPECT_EQ(splitBrowserCommand("C:\\launch.Exe /open=C:\\Web\\BROWSE.BAT %1 -x"),
            (BrowserCommand{"C:\\launch.Exe /open=C:\\Web\\BROWSE.BAT", {"-x"}}))
      << "cut after the last program name";
  EXPECT_EQ(splitBrowserCommand(".EXE \"-a -b\""), (BrowserCommand{".EXE", {"-a", "-b"}}))
      << "a bare ending is a program name too: quotes dropped";
  EXPECT_EQ(splitBrowserCommand(""), BrowserCommand{});
}

TEST(SplitBrowserCommandTest, OtherCommandsAreReadAsExecLines) {
  EXPECT_EQ(splitBrowserCommand("/usr/bin/browse --new-window %u"),
            (BrowserCommand{"/usr/bin/browse", {"--new-window"}}));
  EXPECT_EQ(splitBrowserCommand("\"/opt/Mon navigateur/run\" %U"),
            (BrowserCommand{"/opt/Mon navigateur/run", {}}));
  EXPECT_EQ(splitBrowserCommand("%u"), BrowserCommand{}) << "nothing left to start";
}

class FindBrowserTest : public ::testing::Test {
 protected:
  void entry(const std::string& folder, const std::string& id, const std::string& exec,
             const std::string& extra = "") {
    xdg.root().writeFile(
        folder + "/applications/" + id,
        "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + exec + "\n" + extra);
  }
  std::string found() const { return findBrowserCommand(XdgDirectories::fromEnvironment()); }

  test::XdgSandbox xdg;
};

TEST_F(FindBrowserTest, DefaultsThenAddedAssociationsThenTheCacheTheUsersFirst) {
  EXPECT_EQ(found(), "");
  entry("share", "cached.desktop", "cached %u");
  xdg.root().writeFile("share/applications/mimeinfo.cache",
                       "[MIME Cache]\ntext/html=cached.desktop;\n");
  EXPECT_EQ(found(), "cached %u");
  entry("share", "added.desktop", "added %U");
  xdg.root().writeFile("share/applications/mimeapps.list",
                       "[Added Associations]\ntext/html=missing.desktop;added.desktop;\n");
  EXPECT_EQ(found(), "added %U") << "an entry that is not installed is passed over";
  entry("share", "system.desktop", "system %u");
  xdg.root().writeFile("etc-xdg/mimeapps.list",
                       "[Default Applications]\ntext/html=system.desktop\n");
  EXPECT_EQ(found(), "system %u");
  // The user's own entry of the same name hides the system's.
  entry("data", "system.desktop", "\"/home/joueur/mon navigateur\" %u");
  EXPECT_EQ(found(), "\"/home/joueur/mon navigateur\" %u");
  entry("data", "user.desktop", "user\\sweb %u", "Hidden=true\n");
  xdg.root().writeFile("config/mimeapps.list",
                       "[Default Applications]\ntext/html=user.desktop;\n"
                       "[Removed Associations]\ntext/html=added.desktop;\n");
  EXPECT_EQ(found(), "\"/home/joueur/mon navigateur\" %u") << "a hidden entry does not count";
  xdg.set("BROWSER", "/usr/bin/lynx:/usr/bin/w3m");
  EXPECT_EQ(found(), "/usr/bin/lynx");
}

TEST_F(FindBrowserTest, XhtmlThenWebAddressesWhenNoHtmlBrowserIsKnown) {
  entry("share", "http.desktop", "http-only %u");
  entry("share", "xhtml.desktop", "xhtml-only %u");
  xdg.root().writeFile("share/applications/mimeinfo.cache",
                       "[MIME Cache]\nx-scheme-handler/http=http.desktop;\n"
                       "text/plain=xhtml.desktop;\n");
  EXPECT_EQ(found(), "http-only %u");
  xdg.root().writeFile("data/applications/mimeapps.list",
                       "[Added Associations]\napplication/xhtml+xml=xhtml.desktop;\n");
  EXPECT_EQ(found(), "xhtml-only %u");
  xdg.root().writeFile("config/mimeapps.list",
                       "[Removed Associations]\napplication/xhtml+xml=xhtml.desktop;\n");
  EXPECT_EQ(found(), "http-only %u");
}

TEST_F(FindBrowserTest, TheBrowserGetsItsArgumentsThenTheParameterCutAtBlanks) {
  RecordingStarter starter;
  EXPECT_FALSE(startBrowser(starter, XdgDirectories::fromEnvironment(), "https://a.example/"));
  EXPECT_EQ(starter.program, "") << "nothing started without a browser";

  xdg.set("BROWSER", "/opt/web/browse --private-window %s");
  ASSERT_TRUE(startBrowser(starter, XdgDirectories::fromEnvironment(),
                           "mailto:auteur@a.example?subject=Mise  à jour"));
  EXPECT_EQ(starter.program, "/opt/web/browse");
  EXPECT_EQ(starter.arguments,
            (Arguments{"--private-window", "mailto:auteur@a.example?subject=Mise", "à", "jour"}));
  starter.starts = false;
  EXPECT_FALSE(startBrowser(starter, XdgDirectories::fromEnvironment(), "https://a.example/"));
}

}  // namespace
}  // namespace vorlane
