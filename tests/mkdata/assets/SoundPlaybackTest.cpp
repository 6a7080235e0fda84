#include <gtest/gtest.h>

#include <dlfcn.h>

#include <QSoundEffect>
#include <QTest>
#include <QUrl>

#include <memory>

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
// game looks for: it gives its entry, and takes a sound with or without a device.
TEST(SoundPlaybackTest, TheGamesSoundModuleIsFoundBesideTheProgramAndPlays) {
  const std::filesystem::path module = soundModulePlaces(VORLANE_DIST_DIR).front();
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr) << dlerror();
  const auto entry = reinterpret_cast<NewSoundOutput>(dlsym(handle, kSoundModuleEntry));
  ASSERT_NE(entry, nullptr);
  const std::unique_ptr<SoundOutput> output(entry());
  test::TempFolder temp;
  mkdata::writeSounds(temp.path());
  if (output->outputDeviceCount() > 0) output->playFile(temp.path() / "bip.wav");
  output->playFile(temp.path() / "gagne.wav");
  QTest::qWait(50);
}

}  // namespace
}  // namespace vorlane
