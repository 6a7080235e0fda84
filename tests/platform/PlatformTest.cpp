#include <gtest/gtest.h>

#include <vector>

#include "data/DataFolder.h"
#include "platform/LoadedSoundOutput.h"
#include "platform/Network.h"
#include "platform/Sound.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

class FakeOutput : public SoundOutput {
 public:
  int devices = 1;
  mutable int asked = 0;
  std::vector<std::filesystem::path> played;
  int outputDeviceCount() const override {
    ++asked;
    return devices;
  }
  void playFile(const std::filesystem::path& file) override { played.push_back(file); }
};

// The first sound asks for the devices when nothing has yet; they are asked once.
TEST(SoundsTest, PlaysAnExistingFileFoundWithoutRegardToCase) {
  test::TempFolder temp;
  temp.writeFile("Zari666/Ding.wav", "RIFF");
  DataFolder folder(temp.path());
  FakeOutput output;
  Sounds sounds(folder, output);
  sounds.playSound("ding.wav");
  EXPECT_TRUE(sounds.soundAvailable());
  sounds.detectOutputDevices();
  sounds.playSound("absent.wav");
  EXPECT_EQ(output.asked, 1);
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0], temp.path() / "Zari666" / "Ding.wav");
}

TEST(SoundsTest, SilentWithoutAnOutputDeviceAtTheFirstQuestion) {
  test::TempFolder temp;
  temp.writeFile("Zari666/bip.wav", "RIFF");
  DataFolder folder(temp.path());
  FakeOutput output;
  output.devices = 0;
  Sounds sounds(folder, output);
  sounds.detectOutputDevices();
  EXPECT_FALSE(sounds.soundAvailable());
  output.devices = 1;
  sounds.detectOutputDevices();
  sounds.playSound("bip.wav");
  EXPECT_FALSE(sounds.soundAvailable());
  EXPECT_TRUE(output.played.empty());
}

// A module that is missing, or a file that is no module, gives silence; the player's own
// copy, which the installer makes without the module, finds the package's.
TEST(LoadedSoundOutputTest, WithoutAModuleThereIsNoOutputDevice) {
  test::TempFolder temp;
  temp.writeFile("vorlane-sound.so", "not a module");
  LoadedSoundOutput output({temp.path() / "absent.so", temp.path() / "vorlane-sound.so"});
  EXPECT_EQ(output.outputDeviceCount(), 0);
  output.playFile(temp.path() / "bip.wav");
  EXPECT_EQ(output.outputDeviceCount(), 0);
  const std::vector<std::filesystem::path> places = soundModulePlaces("/opt/jeu");
  EXPECT_EQ(places, (std::vector<std::filesystem::path>{
                        "/opt/jeu/vorlane-sound.so", "/usr/lib/games/vorlane/vorlane-sound.so"}));
}

TEST(NetworkTest, AnInterfaceOtherThanLoopbackMustBeUp) {
  test::TempFolder temp;
  EXPECT_FALSE(modemPresent(temp.path()));
  temp.writeFile("lo/operstate", "unknown\n");
  temp.writeFile("eth0/operstate", "down\n");
  EXPECT_FALSE(modemPresent(temp.path()));
  temp.writeFile("lo/operstate", "up\n");
  EXPECT_FALSE(modemPresent(temp.path()));
  temp.writeFile("wlan0/operstate", "up\n");
  EXPECT_TRUE(modemPresent(temp.path()));
  EXPECT_FALSE(modemPresent(temp.path() / "absent"));
}

}  // namespace
}  // namespace vorlane
