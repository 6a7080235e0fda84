#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QSoundEffect>
#include <QTest>
#include <QUrl>

#include <vector>

#include "Assets.h"
#include "platform/LoadedSoundOutput.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

// The generated sounds are waves that the game's player loads, with or without a device.
TEST(SoundPlaybackTest, QtSoundEffectLoadsEveryGeneratedSound) {
  test::TempFolder temp;
  mkdata::writeSounds(temp.path());
  for (const char* name : {"bip.wav", "btn.wav", "Ding.wav", "dong.wav", "fin.wav", "gagne.wav",
                           "Hi.wav", "Inter.wav", "joker.wav"}) {
    SCOPED_TRACE(name);
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(QString::fromStdString((temp.path() / name).string())));
    const bool settled = QTest::qWaitFor(
        [&] {
          return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error;
        },
        5000);
    ASSERT_TRUE(settled);
    EXPECT_EQ(effect.status(), QSoundEffect::Ready);
  }
}

// The game's own player is its sound module, built beside the program under the name the
// game looks for: it loads from there with its entry, and takes a sound with or without a
// device.
TEST(SoundPlaybackTest, TheGamesSoundModuleIsFoundBesideTheProgramAndPlays) {
  const std::vector<std::filesystem::path> places = soundModulePlaces(VORLANE_DIST_DIR);
  LoadedSoundOutput output(places);
  test::TempFolder temp;
  mkdata::writeSounds(temp.path());
  output.playFile(temp.path() / "gagne.wav");
  // A module without its entry would have been unloaded again.
  EXPECT_NE(dlopen(places.front().c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << dlerror();
  QTest::qWait(50);
}

}  // namespace
}  // namespace vorlane
