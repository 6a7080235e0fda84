#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DesktopEntry.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using Arguments = std::vector<std::string>;

TEST(DesktopEntryTest, ExecLinesQuoteWhatTheyMustAndReadBackTheSameArguments) {
  const Arguments arguments{
      "/home/joueur/Mes jeux/Vorlane", "--aide", "/tmp/a\"b`c$d\\e%f", "plain", "x;y&z", ""};
  const std::string line = execLine(arguments);
  EXPECT_EQ(line,
            "\"/home/joueur/Mes jeux/Vorlane\" --aide \"/tmp/a\\\"b\\`c\\$d\\\\e%%f\" plain "
            "\"x;y&z\" \"\"");
  // As the file holds it: the value escaping comes on top, doubling the backslashes.
  const std::string stored = escapeDesktopValue(line);
  EXPECT_NE(stored.find("\\\\\\\\e"), std::string::npos) << stored;
  EXPECT_EQ(splitExec(unescapeDesktopValue(stored)), arguments);
}

TEST(DesktopEntryTest, FieldCodesDropOutAndAnOpenQuoteGivesNothing) {
  EXPECT_EQ(splitExec("firefox %u"), (Arguments{"firefox"}));
  EXPECT_EQ(splitExec("  /usr/bin/browse   --new-window  %U "),
            (Arguments{"/usr/bin/browse", "--new-window"}));
  EXPECT_EQ(splitExec("browse --name=%c --ratio=50%% \"%f\""),
            (Arguments{"browse", "--name=", "--ratio=50%"}));
  EXPECT_EQ(splitExec("\"/opt/my browser/run\" -x"), (Arguments{"/opt/my browser/run", "-x"}));
  EXPECT_TRUE(splitExec("\"/opt/browse -x").empty());
  EXPECT_EQ(unescapeDesktopValue("a\\sb\\tc\\\\d\\;"), "a b\tc\\d\\;");
  EXPECT_EQ(splitDesktopList(" a.desktop;;b.desktop; "), (Arguments{"a.desktop", "b.desktop"}));
}

TEST(DesktopEntryTest, ReadsOneGroupOfAFile) {
  test::TempFolder temp;
  temp.writeFile("mimeapps.list",
                 "# comment\n[Added Associations]\ntext/html=other.desktop;\n\n"
                 "[Default Applications]\n text/html = browse.desktop;web.desktop;\n"
                 "x-scheme-handler/http=browse.desktop\n[Removed Associations]\n"
                 "text/html=old.desktop\n");
  const auto defaults = readDesktopGroup(temp.path() / "mimeapps.list", "Default Applications");
  ASSERT_TRUE(defaults);
  EXPECT_EQ(*defaults, (DesktopGroup{{"text/html", "browse.desktop;web.desktop;"},
                                     {"x-scheme-handler/http", "browse.desktop"}}));
  EXPECT_FALSE(readDesktopGroup(temp.path() / "mimeapps.list", "MIME Cache"));
  EXPECT_FALSE(readDesktopGroup(temp.path() / "absent.list", "Default Applications"));
}

}  // namespace
}  // namespace vorlane
