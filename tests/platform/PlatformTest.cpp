#include <gtest/gtest.h>

#include <vector>

#include "data/DataFolder.h"
#include "platform/Network.h"
#include "platform/Sound.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

class FakeOutput : public SoundOutput {
 public:
  int devices = 1;
  std::vector<std::filesystem::path> played;
  int outputDeviceCount() const override { return devices; }
  void playFile(const std::filesystem::path& file) override { played.push_back(file); }
};

TEST(SoundsTest, PlaysAnExistingFileFoundWithoutRegardToCase) {
  test::TempFolder temp;
  temp.writeFile("Zari666/Ding.wav", "RIFF");
  DataFolder folder(temp.path());
  FakeOutput output;
  Sounds sounds(folder, output);
  sounds.detectOutputDevices();
  ASSERT_TRUE(sounds.soundAvailable());
  sounds.playSound("ding.wav");
  sounds.playSound("absent.wav");
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0], temp.path() / "Zari666" / "Ding.wav");
}

TEST(SoundsTest, SilentWithoutAnOutputDevice) {
  test::TempFolder temp;
  temp.writeFile("Zari666/bip.wav", "RIFF");
  DataFolder folder(temp.path());
  FakeOutput output;
  output.devices = 0;
  Sounds sounds(folder, output);
  sounds.detectOutputDevices();
  EXPECT_FALSE(sounds.soundAvailable());
  sounds.playSound("bip.wav");
  EXPECT_TRUE(output.played.empty());
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
