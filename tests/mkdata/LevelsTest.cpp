#include <gtest/gtest.h>

#include "Levels.h"

namespace vorlane::mkdata {
namespace {

WordStanding ranked(int rank, int anagramClass = -1) { return {rank, 0, true, anagramClass}; }
WordStanding quoted(int count) { return {-1, count, true, -1}; }

TEST(LevelsTest, SubtitleRanksComeFirstThenQuotationCountsAndUnknownWordsHaveNoPlace) {
  std::vector<WordStanding> words = {quoted(40), ranked(7),  quoted(kMinQuotations - 1),
                                     ranked(2),  quoted(90), {5, 50, false, -1}};
  EXPECT_EQ(commonnessPositions(words), (std::vector<int>{3, 1, -1, 0, 2, -1}));
}

WordStanding judged(WordStanding w, Familiarity familiarity) {
  w.familiarity = familiarity;
  return w;
}

TEST(LevelsTest, TheReadersJudgementOrdersBeforeTheCountsAndUnknownWordsHaveNoPlace) {
  std::vector<WordStanding> words = {
      judged(ranked(0), Familiarity::Known),     judged(ranked(5), Familiarity::Everyday),
      judged(quoted(90), Familiarity::Everyday), ranked(1),  // not reviewed: a recognised word
      judged(ranked(2), Familiarity::Rare),      judged(ranked(3), Familiarity::Unknown),
      judged(ranked(4), Familiarity::Unfit),     judged(quoted(7), Familiarity::Recognised),
      judged(quoted(0), Familiarity::Known)};  // known to the reader alone
  EXPECT_EQ(commonnessPositions(words), (std::vector<int>{2, 0, 1, 4, 6, -1, -1, 5, 3}));
}

TEST(LevelsTest, ThesaurusMentionsPlaceAWordBetweenTheRankedAndTheQuotedOnes) {
  auto named = [](int mentions) { return WordStanding{-1, 0, true, -1, mentions}; };
  std::vector<WordStanding> words = {named(1), quoted(kMinQuotations), named(3), ranked(9)};
  EXPECT_EQ(commonnessPositions(words), (std::vector<int>{2, 3, 1, 0}));
}

TEST(LevelsTest, WordsThatNothingTellsApartShareTheFirstPositionOfTheirRun) {
  std::vector<WordStanding> words = {ranked(4), ranked(4), quoted(3), quoted(3), quoted(2)};
  EXPECT_EQ(commonnessPositions(words), (std::vector<int>{0, 0, 2, 2, 4}));
}

// Exactly the fewest draws at every level is enough; one short anywhere, level 6 and the
// Junior's top level included, is not.
TEST(LevelsTest, EnoughDrawsMeansTheFewestAtEveryLevelAndForBothTopLevels) {
  DrawCounts least;
  for (int L = 1; L <= kTopLevel; ++L) {
    least.singles[L] = kMinSingleDraws;
    least.classes[L] = kMinAnagramClasses;
  }
  least.seniorTop = kMinSingleDraws;
  least.juniorTop = kMinSingleDraws;
  EXPECT_TRUE(enoughDraws(least));
  for (int L = 1; L <= kTopLevel; ++L) {
    DrawCounts counts = least;
    --counts.singles[L];
    EXPECT_FALSE(enoughDraws(counts)) << "singles at level " << L;
    counts = least;
    --counts.classes[L];
    EXPECT_FALSE(enoughDraws(counts)) << "classes at level " << L;
  }
  DrawCounts junior = least;
  --junior.juniorTop;
  EXPECT_FALSE(enoughDraws(junior));
  DrawCounts senior = least;
  --senior.seniorTop;
  EXPECT_FALSE(enoughDraws(senior));
}

struct BandRow {
  int position;
  int level;
};

class LevelAtTest : public ::testing::TestWithParam<BandRow> {};

TEST_P(LevelAtTest, BandsOfTheFirstWordsThenEqualStepsUpToSix) {
  EXPECT_EQ(levelAt(GetParam().position, LevelBands{1000, 600}), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Positions, LevelAtTest,
                         ::testing::Values(BandRow{-1, 0}, BandRow{0, 1}, BandRow{999, 1},
                                           BandRow{1000, 2}, BandRow{1599, 2}, BandRow{1600, 3},
                                           BandRow{3399, 5}, BandRow{3400, 6}, BandRow{90000, 6}));

TEST(LevelsTest, DrawCountsFollowTheGameRules) {
  std::vector<WordStanding> words = {ranked(0), ranked(1, 7), ranked(2, 7),     ranked(3),
                                     ranked(4), ranked(5, 8), {-1, 0, false, 8}};
  std::vector<std::uint8_t> levels = {1, 2, 3, 2, 4, 6, 0};
  DrawCounts counts = countDraws(words, levels);
  EXPECT_EQ(counts.singles[1], 1);
  EXPECT_EQ(counts.singles[2], 2);
  EXPECT_EQ(counts.singles[6], 3);
  EXPECT_EQ(counts.juniorTop, 1);  // level 2 exactly
  EXPECT_EQ(counts.seniorTop, 1);  // level 3 or more
  EXPECT_EQ(counts.classes[1], 0);
  EXPECT_EQ(counts.classes[2], 1);
  EXPECT_EQ(counts.classes[6], 2);
  EXPECT_FALSE(enoughDraws(counts));
}

// Many single words and pairs of anagrams, commonest first.
std::vector<WordStanding> vocabulary(int singles, int pairs) {
  std::vector<WordStanding> words;
  int rank = 0;
  for (int i = 0; i < singles + 2 * pairs; ++i) {
    bool inPair = i % 5 == 0 && i / 5 < 2 * pairs;
    words.push_back(ranked(rank++, inPair ? i / 10 : -1));
  }
  return words;
}

TEST(LevelsTest, BandsWidenUntilEveryLevelOffersEnoughDraws) {
  std::vector<WordStanding> words = vocabulary(6000, 1200);
  LevelBands bands;
  std::vector<std::uint8_t> levels = chooseLevels(words, bands);
  EXPECT_GT(bands.first, 1000);  // 1,000 words hold only 100 anagram classes
  EXPECT_TRUE(enoughDraws(countDraws(words, levels)));
  EXPECT_EQ(levels.front(), 1);
  EXPECT_EQ(levels.back(), 6);
}

TEST(LevelsTest, ASmallVocabularyStopsWideningOnceTheBandsHoldEveryWord) {
  std::vector<WordStanding> words = vocabulary(200, 10);
  LevelBands bands;
  std::vector<std::uint8_t> levels = chooseLevels(words, bands);
  EXPECT_FALSE(enoughDraws(countDraws(words, levels)));
  EXPECT_GE(bands.first + bands.step, static_cast<int>(words.size()));
}

}  // namespace
}  // namespace vorlane::mkdata
