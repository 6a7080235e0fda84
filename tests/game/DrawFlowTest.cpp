#include <algorithm>
#include <fstream>
#include <set>

#include "data/TextCodec.h"
#include "game/GameTestSupport.h"

namespace vorlane::test {
namespace {

class DrawFlowTest : public GameTest {};

TEST_F(DrawFlowTest, AnagramDrawListsLevelsUpToTheCurrentOneThenHigherThenZeroThenTheStart) {
  load(aliensSet());
  seed = kAliensSeed;
  // The window painted while the draw is chosen shows "xxxxxx" and no row.
  std::vector<std::pair<std::string, int>> painted;
  port_.onRepaint = [&] { painted.emplace_back(state().drawWord, state().rowCount); };
  engine().Button1Click();
  port_.onRepaint = nullptr;
  EXPECT_NE(std::find(painted.begin(), painted.end(), std::pair<std::string, int>{"xxxxxx", 0}),
            painted.end());

  EXPECT_EQ(state().drawKind, kAnagramDraw);
  EXPECT_EQ(view().keyb1.row.text(), "ALIENS");
  // Level 1: SALIEN (1), then SALINE (3) and SILANE (2) in set order, then LIANES (0).
  EXPECT_EQ(rows(), (Words{"SALIEN", "SALINE", "SILANE", "LIANES", "ALIENS"}));
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(row(k).input.text(), "      ");
    EXPECT_EQ(row(k).valueCaption, "66");
    EXPECT_EQ(row(k).panelColour, kWhite);
  }
  EXPECT_EQ(row(5).input.text(), "ALIENS");
  EXPECT_EQ(row(5).valueCaption, "0");
  EXPECT_EQ(row(5).panelColour, kRed);
  EXPECT_EQ(row(5).bookTag, 1);
  EXPECT_EQ(row(5).definition.lines, Words{toWin1252("aliens, n. m. : Venu d'un autre monde.")});
  EXPECT_FALSE(row(6).visible);
  EXPECT_EQ(view().windowHeight, 186 + 20 * 6 - 5);
  EXPECT_EQ(state().enterAction, kNoAction);
  EXPECT_TRUE(view().timerRunning);
  EXPECT_FALSE(view().finVisible);
  EXPECT_EQ(port_.relayouts, 1);
}

// Words in classes of their own: ALIENS and four anagrams, then single words.
std::vector<GameWord> aliensWith(const std::vector<GameWord>& singles) {
  std::vector<GameWord> words;
  for (const GameWord& w : aliensSet()) {
    if (w.anagramClass == 0) words.push_back(w);
  }
  words.insert(words.end(), singles.begin(), singles.end());
  return words;
}

TEST_F(DrawFlowTest, SingleWordDrawsAlternateAndAreNeverAlreadySorted) {
  // Draws 12 and 16 start on ACCENT, whose letters are already in order. ABBAYE, level 0,
  // is never a single word: it keeps ACCENT off record 0, which always counts as recent.
  load(aliensWith({{"abbaye", 0, -1, ""}, {"accent", 1, -1, ""}, {"violon", 1, -1, ""}}));
  engine().setTrainingMode(true);
  for (int draw = 0; draw < 16; ++draw) {
    engine().Button1Click();
    ASSERT_TRUE(state().drawActive);
    EXPECT_EQ(state().drawKind, draw % 2 == 0 ? kAnagramDraw : kSingleWordDraw);
    if (draw % 2 == 1) {
      EXPECT_EQ(rows(), Words{"VIOLON"});
      EXPECT_EQ(view().keyb1.row.text(), "ILNOOV");
    }
    engine().Button1Click();  // FIN !
  }
  EXPECT_EQ(port_.count("fin.wav"), 16);
}

struct NoDrawCase {
  const char* name;
  std::vector<GameWord> words;
  int finsBefore;  // FIN ! presses to reach the draw kind that cannot be drawn
};
void PrintTo(const NoDrawCase& c, std::ostream* os) { *os << c.name; }

class DrawChoiceTest : public GameTest, public ::testing::WithParamInterface<NoDrawCase> {};

TEST_P(DrawChoiceTest, AChoiceThatNeverQualifiesEndsWithADataErrorAndWaitsForMot) {
  load(GetParam().words);
  engine().setTrainingMode(true);
  for (int i = 0; i < GetParam().finsBefore; ++i) {
    engine().Button1Click();
    engine().Button1Click();
  }
  engine().Button1Click();
  ASSERT_EQ(port_.dataErrors.size(), 1u);
  EXPECT_NE(port_.dataErrors[0].find("au niveau 1."), std::string::npos);
  EXPECT_FALSE(state().drawActive);
  EXPECT_EQ(state().rowCount, 0);
  EXPECT_EQ(state().enterAction, kStartDrawAction);
  EXPECT_TRUE(view().motVisible);
  EXPECT_FALSE(view().finVisible);
  EXPECT_FALSE(view().keyb1.visible);
  EXPECT_FALSE(view().timerRunning);
  EXPECT_EQ(view().cursor, CursorShape::normal);
  EXPECT_EQ(view().windowHeight, mainWindowHeight(20, 0)) << "no row left on show";
  EXPECT_TRUE(view().solutionList.empty());
  engine().Button1Click();  // MOT ! again tries again, and ends again
  EXPECT_EQ(port_.dataErrors.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Draws, DrawChoiceTest,
                         ::testing::Values(NoDrawCase{"anagramsAboveTheLevel",
                                                      {{"abbaye", 1, -1, ""},
                                                       {"aliens", 4, 0, ""},
                                                       {"lianes", 0, 0, ""}},
                                                      0},
                                           NoDrawCase{"noAnagramClass",
                                                      {{"abbaye", 1, -1, ""},
                                                       {"tortue", 1, -1, ""}},
                                                      0},
                                           NoDrawCase{"onlySortedSingles",
                                                      aliensWith({{"accent", 1, -1, ""}}), 1}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(DrawFlowTest, TheFirstFindPutsTheDrawInTheRecentListAndOnlyThen) {
  load(aliensSet());
  seed = kAliensSeed;
  engine().setTrainingMode(true);
  engine().Button1Click();
  engine().Button1Click();  // FIN ! before any word: the draw can come again
  for (int r = 1; r <= 5; ++r) EXPECT_FALSE(recent_.isRecentAnagram(r)) << r;

  engine().Button1Click();  // a single word: ABBAYE, TORTUE, VALISE or VIOLON
  const std::int32_t single = engine().anagramSet()[0].recordNumber;
  EXPECT_FALSE(recent_.isRecentSingle(single));
  type(state().rowWords[0]);
  EXPECT_TRUE(recent_.isRecentSingle(single));

  seed = kAliensSeed;
  engine().Button1Click();
  type("SALIEN");
  for (int r = 1; r <= 5; ++r) EXPECT_TRUE(recent_.isRecentAnagram(r)) << r;
  // Every entry of the set, starting word included, and nothing more, the last one first.
  const auto n = static_cast<std::size_t>(state().rowCount);
  for (std::size_t i = 0; i < n; ++i)
    EXPECT_EQ(recent_.anagram()[n - 1 - i], engine().anagramSet()[i].recordNumber) << i;
  EXPECT_EQ(recent_.anagram()[n], 0);
}

// ICTERE (level 5, the first of the rare ones) and the level-0 LIANES are never shown as
// the starting word below the top level; they are still words to find, after the words of the level. RECITE, a word every
// adult knows (level 4), may start a level-1 draw; ECRITE cannot, for the class would then
// hold no word of level 1 to find.
TEST_F(DrawFlowTest, ARareWordNeverStartsADrawBelowTheTopLevel) {
  std::vector<GameWord> words = aliensSet();
  words.insert(words.end(), {{"écrite", 1, 1, ""}, {"ictère", 5, 1, ""}, {"récite", 4, 1, ""}});
  load(words);
  engine().setTrainingMode(true);
  std::set<std::string> starts;
  std::set<std::string> found;
  for (int draw = 0; draw < 60; ++draw) {
    engine().Button1Click();
    if (state().drawKind == kAnagramDraw && state().drawActive) {
      const std::vector<std::string> r = rows();
      starts.insert(r.back());
      found.insert(r.begin(), r.end() - 1);
    }
    engine().Button1Click();
  }
  EXPECT_EQ(starts.count("ICTERE"), 0u);
  EXPECT_EQ(starts.count("LIANES"), 0u);
  EXPECT_EQ(starts.count("RECITE"), 1u);
  EXPECT_EQ(found.count("ECRITE"), 1u);  // the level's word to find when RECITE starts
  EXPECT_EQ(found.count("ICTERE"), 1u);
  EXPECT_EQ(found.count("LIANES"), 1u);
  EXPECT_TRUE(port_.dataErrors.empty());
}

TEST_F(DrawFlowTest, ARecentDrawComesBackWhenNothingElseQualifies) {
  load(aliensSet());
  recent_.pushRecentAnagram(1);  // ALIENS
  seed = kAliensSeed;
  engine().Button1Click();
  EXPECT_TRUE(state().drawActive);
  EXPECT_EQ(state().rowCount, 5);
  EXPECT_TRUE(port_.dataErrors.empty());
}

TEST_F(DrawFlowTest, ASetOfFifteenWordsIsNeverDrawn) {
  std::vector<GameWord> words = aliensSet();
  std::string letters = "ceinrt";
  for (int i = 0; i < 15; ++i) {
    words.push_back({letters, 1, 1, ""});
    std::next_permutation(letters.begin(), letters.end());
  }
  load(words);
  engine().setTrainingMode(true);
  for (int draw = 0; draw < 6; ++draw) {
    engine().Button1Click();
    if (state().drawKind == kAnagramDraw) {
      EXPECT_EQ(state().rowCount, 5);
    }
    engine().Button1Click();
  }
  EXPECT_TRUE(port_.dataErrors.empty());
}

// SALINE's record loses its letters; its link still chains it to ALIENS: the set would
// lay out fewer rows than it counts.
TEST_F(DrawFlowTest, AChainWithARecordWithoutLettersIsNeverDrawn) {
  load(aliensSet());
  const auto saline = std::find_if(ordered_.begin(), ordered_.end(),
                                   [](const DataSetWord& w) { return w.spelling == "saline"; });
  ASSERT_NE(saline, ordered_.end());
  {
    std::fstream file(folder_.dataFolder() / "Azlana.666",
                      std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(saline - ordered_.begin()) * 14);
    file.put('\0');
  }
  seed = kAliensSeed;
  engine().Button1Click();
  EXPECT_EQ(port_.dataErrors.size(), 1u);
  EXPECT_EQ(state().rowCount, 0);
  EXPECT_FALSE(row(1).visible);
}

struct GameEndCase {
  const char* name;
  int rank;
  bool scoresVisible;
  Words messages;
  int scoresShown;
};
void PrintTo(const GameEndCase& c, std::ostream* os) { *os << c.name; }

class GameEndTest : public GameTest, public ::testing::WithParamInterface<GameEndCase> {};

// A Normal game: SALIEN found (66), FIN !, then a single-word draw left to run out.
TEST_P(GameEndTest, ANormalGameEndsWhenTheReserveRunsOutWithNothingWon) {
  const GameEndCase& c = GetParam();
  load(aliensSet());
  seed = kAliensSeed;
  port_.rank = c.rank;
  port_.scoresVisible = c.scoresVisible;
  engine().Button1Click();
  type("SALIEN");
  engine().Button1Click();
  engine().Button1Click();
  ASSERT_EQ(state().reserve, 132);
  ticks(132);
  EXPECT_EQ(port_.messages, c.messages);
  EXPECT_EQ(port_.scoresShown, c.scoresShown);
  EXPECT_EQ(port_.count("dong.wav"), 1);
  EXPECT_FALSE(view().timerRunning);
  if (c.scoresVisible) {
    EXPECT_TRUE(state().drawActive);  // the draw stays open while the scores show
    EXPECT_EQ(state().score, 66);
    return;
  }
  EXPECT_EQ(port_.insertedScores, std::vector<int>{66});
  EXPECT_EQ(port_.count("inter.wav"), 1);
  EXPECT_EQ(state().score, 0);
  EXPECT_EQ(state().reserve, 66);
  EXPECT_EQ(view().scoreCaption, "0");
  EXPECT_EQ(view().reserveCaption, "66");
  EXPECT_EQ(state().enterAction, kStartDrawAction);
  engine().Button1Click();
  EXPECT_EQ(state().drawKind, kAnagramDraw);  // a new game starts with an anagram draw
}

INSTANTIATE_TEST_SUITE_P(
    Games, GameEndTest,
    ::testing::Values(GameEndCase{"rankedFirst", 1, false, {"end dans les six 66"}, 1},
                      GameEndCase{"ranked", 3, false, {"end dans les six 66"}, 1},
                      GameEndCase{"notRanked", 0, false, {"end  66"}, 0},
                      GameEndCase{"scoresOpen", 3, true, {}, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DrawFlowTest, QuittingEndsTheGameQuietlyWithTheTrainingMessageWhenItWouldRank) {
  load(aliensSet());
  seed = kAliensSeed;
  engine().setTrainingMode(true);
  port_.rank = 2;
  engine().Button1Click();
  type("SALIEN");
  port_.sounds.clear();
  engine().endGame(true);
  EXPECT_EQ(port_.messages, Words{"end dans les six training 66"});
  EXPECT_TRUE(port_.insertedScores.empty());
  EXPECT_TRUE(port_.sounds.empty());
  EXPECT_TRUE(port_.waits.empty());
}

}  // namespace
}  // namespace vorlane::test
