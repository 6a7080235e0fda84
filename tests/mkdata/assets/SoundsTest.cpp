#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "AssetFile.h"
#include "Assets.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::fileBytes;
using test::littleEndian;

const char* const kSounds[] = {"bip.wav",   "btn.wav", "Ding.wav",  "dong.wav", "fin.wav",
                               "gagne.wav", "Hi.wav",  "Inter.wav", "joker.wav"};

class SoundsTest : public ::testing::Test {
 protected:
  void SetUp() override { mkdata::writeSounds(temp.path()); }

  static std::vector<int> samples(const std::string& wave) {
    std::vector<int> out;
    for (std::size_t at = 44; at + 1 < wave.size(); at += 2) {
      out.push_back(static_cast<std::int16_t>(littleEndian(wave, at, 2)));
    }
    return out;
  }

  test::TempFolder temp;
};

TEST_F(SoundsTest, EverySoundIsCanonicalPcmMonoWithItsLengthsInTheHeader) {
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    const std::string wave = fileBytes(temp.path() / name);
    ASSERT_GT(wave.size(), 44u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(littleEndian(wave, 4, 4), wave.size() - 8);
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(littleEndian(wave, 16, 4), 16u);
    EXPECT_EQ(littleEndian(wave, 20, 2), 1u);  // PCM
    EXPECT_EQ(littleEndian(wave, 22, 2), 1u);  // mono
    const std::uint32_t rate = littleEndian(wave, 24, 4);
    EXPECT_TRUE(rate == 22050 || rate == 44100);
    EXPECT_EQ(littleEndian(wave, 28, 4), rate * 2);
    EXPECT_EQ(littleEndian(wave, 32, 2), 2u);
    EXPECT_EQ(littleEndian(wave, 34, 2), 16u);
    EXPECT_EQ(wave.substr(36, 4), "data");
    EXPECT_EQ(littleEndian(wave, 40, 4), wave.size() - 44);
    EXPECT_EQ(wave.size() % 2, 0u);
    const double seconds = static_cast<double>(wave.size() - 44) / 2.0 / rate;
    EXPECT_GE(seconds, 0.03);
    EXPECT_LE(seconds, 2.0);
  }
}

TEST_F(SoundsTest, SoundsAreAudibleUnclippedAndEndInSilence) {
  for (const char* name : kSounds) {
    SCOPED_TRACE(name);
    const std::vector<int> s = samples(fileBytes(temp.path() / name));
    ASSERT_FALSE(s.empty());
    int peak = 0;
    for (int v : s) peak = std::max(peak, std::abs(v));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767);
    // Playback stops without a click: the first and last samples are near zero.
    EXPECT_LT(std::abs(s.front()), 1500);
    EXPECT_LT(std::abs(s.back()), 200);
  }
}

TEST_F(SoundsTest, SoundsAreDistinctAndRewritingGivesTheSameBytes) {
  test::TempFolder other;
  mkdata::writeSounds(other.path());
  std::set<std::string> seen;
  for (const char* name : kSounds) {
    const std::string wave = fileBytes(temp.path() / name);
    EXPECT_TRUE(seen.insert(wave.substr(44)).second) << name << " repeats another sound";
    EXPECT_EQ(wave, fileBytes(other.path() / name)) << name;
  }
}

TEST_F(SoundsTest, TheLowGongIsLowerThanTheWarningBeep) {
  // Zero crossings per second estimate the pitch of the main partial.
  auto crossingsPerSecond = [](const std::vector<int>& s) {
    int crossings = 0;
    for (std::size_t i = 1; i < s.size(); ++i) crossings += (s[i - 1] < 0) != (s[i] < 0) ? 1 : 0;
    return crossings * 22050.0 / static_cast<double>(s.size());
  };
  const double gong = crossingsPerSecond(samples(fileBytes(temp.path() / "dong.wav")));
  const double beep = crossingsPerSecond(samples(fileBytes(temp.path() / "bip.wav")));
  EXPECT_LT(gong * 4.0, beep);
}

}  // namespace
}  // namespace vorlane
