#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/StartMenuGroup.h"
#include "platform/ProgramManagerLink.h"

namespace vorlane {
namespace {

// A link that records what reaches the service; `answers` says whether the service is
// there, `lastFails` whether the seventh command cannot be sent.
class RecordingLink : public ProgramManagerLink {
 public:
  bool answers = true;
  bool lastFails = false;
  int opened = 0;
  int closed = 0;
  std::vector<std::string> sent;

  bool open() override {
    ++opened;
    open_ = answers;
    return open_;
  }
  bool isOpen() const override { return open_; }
  void close() override {
    ++closed;
    open_ = false;
  }
  bool execute(const std::string& command) override {
    if (!open_ || (lastFails && command.find("Lisez-moi") != std::string::npos)) return false;
    sent.push_back(command);
    return true;
  }

 private:
  bool open_ = false;
};

TEST(StartMenuGroupTest, SevenCommandsForTheInstalledProgram) {
  EXPECT_EQ(startMenuCommands("/home/joueur/Jeux/Vorlane/Vorlane"),
            (std::vector<std::string>{
                "[DeleteGroup(Vorlane)]\r\n",
                "[CreateGroup(Vorlane)]\r\n",
                "[AddItem(/home/joueur/Jeux/Vorlane/Vorlane,Vorlane.exe)]\r\n",
                "[AddItem(/home/joueur/Jeux/Vorlane/Vorlane.hlp,Aide de Vorlane)]\r\n",
                "[AddItem(/home/joueur/Jeux/Vorlane/Cerf.hlp,Cerf.hlp)]\r\n",
                "[AddItem(/home/joueur/Jeux/Vorlane/Vorlane.url,Web de Vorlane)]\r\n",
                "[AddItem(/home/joueur/Jeux/Vorlane/Lisezmoi.wri,Lisez-moi)]\r\n",
            }));
}

TEST(StartMenuGroupTest, AFolderTooLongForOneCommandRefusesTheWholeGroup) {
  // The help file's command is the longest: the folder and 40 characters.
  const std::string fits = "/" + std::string(213, 'j') + "/";
  const std::vector<std::string> commands = startMenuCommands(fits + "Vorlane");
  ASSERT_EQ(commands.size(), 7u);
  EXPECT_EQ(commands[3].size(), 255u);

  RecordingLink link;
  createStartMenuGroup(link, "/" + std::string(214, 'j') + "/Vorlane");
  EXPECT_EQ(link.opened, 0);
  EXPECT_TRUE(link.sent.empty());
}

TEST(StartMenuGroupTest, LinkOpensOnceStaysOpenAndClosesWhenTheLastCommandFails) {
  RecordingLink link;
  createStartMenuGroup(link, "/jeux/Vorlane");
  createStartMenuGroup(link, "/jeux/Vorlane");
  EXPECT_EQ(link.opened, 1);
  EXPECT_EQ(link.closed, 0);
  ASSERT_EQ(link.sent.size(), 14u);
  EXPECT_EQ(link.sent[7], "[DeleteGroup(Vorlane)]\r\n") << "the second run starts by deleting";

  link.lastFails = true;
  createStartMenuGroup(link, "/jeux/Vorlane");
  EXPECT_EQ(link.closed, 1);
  EXPECT_FALSE(link.isOpen());

  RecordingLink absent;
  absent.answers = false;
  createStartMenuGroup(absent, "/jeux/Vorlane");
  EXPECT_EQ(absent.opened, 1);
  EXPECT_TRUE(absent.sent.empty());
  EXPECT_EQ(absent.closed, 1) << "nothing could be sent";
}

}  // namespace
}  // namespace vorlane
