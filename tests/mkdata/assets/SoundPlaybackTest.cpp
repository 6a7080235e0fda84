#include <gtest/gtest.h>

#include <QSoundEffect>
#include <QTest>
#include <QUrl>

#include "Assets.h"
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

}  // namespace
}  // namespace vorlane
