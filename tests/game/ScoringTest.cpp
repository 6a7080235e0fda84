#include "game/GameTestSupport.h"
#include "game/Levels.h"

namespace vorlane::test {
namespace {

struct LevelCase {
  bool junior;
  int previousLevel;
  bool previousTop;
  int score;
  LevelOutcome expected;
};

class LevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelTest, TheScoreSetsTheLevelTheReducedValueAndOneMessage) {
  const LevelCase& c = GetParam();
  EXPECT_EQ(levelForScore(c.score, c.junior, c.previousLevel, c.previousTop), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, LevelTest,
    ::testing::Values(LevelCase{false, 1, false, 333, {1, false, 36, false, "", ""}},
                      LevelCase{false, 1, false, 334, {2, false, 30, true, "333", "2"}},
                      LevelCase{false, 2, false, 667, {3, false, 24, true, "666", "3"}},
                      LevelCase{false, 2, false, 666, {2, false, 30, false, "", ""}},
                      LevelCase{false, 3, false, 999, {3, false, 24, false, "", ""}},
                      LevelCase{false, 4, false, 1333, {4, false, 18, false, "", ""}},
                      LevelCase{false, 5, false, 1666, {5, false, 12, false, "", ""}},
                      LevelCase{false, 5, false, 1667, {5, true, 6, true, "1666", "6"}},
                      LevelCase{false, 3, false, 1000, {4, false, 18, true, "999", "4"}},
                      LevelCase{false, 4, false, 1334, {5, false, 12, true, "1333", "5"}},
                      // One draw from 1300 to 1700: one message, for the top level.
                      LevelCase{false, 4, false, 1700, {5, true, 6, true, "1666", "6"}},
                      LevelCase{false, 5, true, 2500, {5, true, 6, false, "", ""}},
                      LevelCase{false, 5, false, 0, {1, false, 36, false, "", ""}},  // a new game
                      LevelCase{true, 1, false, 666, {1, false, 36, false, "", ""}},
                      LevelCase{true, 1, false, 667, {2, false, 30, true, "666", "2"}},
                      LevelCase{true, 2, false, 1666, {2, false, 30, false, "", ""}},
                      LevelCase{true, 2, false, 1667, {2, true, 24, true, "1666", "3"}},
                      LevelCase{true, 1, false, 1700, {2, true, 24, true, "1666", "3"}}));

class TimerTest : public GameTest {
 protected:
  void SetUp() override {
    load(aliensSet());
    seed = kAliensSeed;
  }
};

TEST_F(TimerTest, NormalModeGivesAFreeLetterAtTheSeventhTickThenBeepsAndEndsTheGame) {
  engine().Button1Click();
  ticks(6);
  EXPECT_EQ(state().reserve, 60);
  EXPECT_TRUE(view().hintVisible);
  ticks(1);
  EXPECT_EQ(state().reserve, 59);
  EXPECT_FALSE(view().hintVisible);  // the free letter is the last of the draw
  EXPECT_FALSE(view().letterEntry.enabled);
  EXPECT_EQ(row(1).input.text(), "S     ");
  EXPECT_EQ(row(4).input.text(), "L     ");
  EXPECT_TRUE(port_.messages.empty());
  ticks(51);
  EXPECT_FALSE(view().finEyeVisible);
  EXPECT_EQ(port_.count("bip.wav"), 0);
  ticks(1);
  EXPECT_EQ(view().reserveCaption, "7");
  EXPECT_TRUE(view().finEyeVisible);
  EXPECT_FALSE(view().finVisible);
  ticks(6);
  EXPECT_EQ(port_.count("bip.wav"), 6);
  EXPECT_TRUE(state().drawActive);
  ticks(1);
  EXPECT_EQ(port_.count("bip.wav"), 7);
  EXPECT_FALSE(view().timerRunning);
  EXPECT_EQ(view().clockCaption, "01:06");
  EXPECT_EQ(port_.waits, (std::vector<int>{1000, 500}));
  EXPECT_EQ(port_.messages, Words{"end  0"});
  EXPECT_FALSE(state().drawActive);
}

TEST_F(TimerTest, TrainingModeNeverRunsOutAndStopsBeepingAtTwoSeconds) {
  engine().setTrainingMode(true);
  engine().Button1Click();
  ticks(120);
  EXPECT_EQ(view().clockCaption, "02:00");
  ticks(80);
  EXPECT_EQ(state().reserve, 1);
  EXPECT_EQ(view().reserveCaption, "1");
  EXPECT_EQ(port_.count("bip.wav"), 5);  // at 6, 5, 4, 3 and 2 s
  EXPECT_TRUE(view().timerRunning);
  EXPECT_TRUE(view().hintVisible);  // no free letter
  EXPECT_EQ(row(1).input.text(), "      ");
  EXPECT_TRUE(state().drawActive);
  EXPECT_EQ(view().clockCaption, "03:20");
}

TEST_F(TimerTest, ARunOutWithAGainEndsTheDrawAsFinDoes) {
  engine().Button1Click();
  type("SALIEN");
  ticks(66);
  EXPECT_FALSE(state().drawActive);
  EXPECT_EQ(port_.count("fin.wav"), 1);
  EXPECT_EQ(state().drawKind, kSingleWordDraw);
  EXPECT_EQ(state().drawGain, 66);
  EXPECT_EQ(row(2).input.text(), "SALINE");  // unfound words are shown, worth 0
  EXPECT_EQ(row(2).valueCaption, "0");
  EXPECT_TRUE(port_.messages.empty());
}

// The price asked at 66 s is left open while the reserve runs out behind it: the game's
// own end comes once the price is answered, never lost behind it, and the name entry of a
// ranked score never opens over it.
TEST_F(TimerTest, TheReserveRunningOutBehindTheLetterPriceEndsTheGameOnceThePriceIsAnswered) {
  port_.rank = 2;
  engine().Button1Click();
  int scoresShownWhileAsked = -1;
  port_.whileMessageOpen = [&] {
    port_.whileMessageOpen = nullptr;
    ticks(70);
    scoresShownWhileAsked = port_.scoresShown;
  };
  engine().ImageTETEClick();
  EXPECT_EQ(scoresShownWhileAsked, 0);
  EXPECT_EQ(port_.messages, (Words{"cost 6 1", "end dans les six 0"}));
  EXPECT_EQ(port_.scoresShown, 1);
  EXPECT_FALSE(state().drawActive);
  EXPECT_EQ(state().reserve, 66);
  EXPECT_EQ(state().enterAction, kStartDrawAction);
  EXPECT_EQ(row(1).input.text(), "SALIEN");  // the free letter, then every word shown

  port_.rank = 0;
  engine().Button1Click();  // the next game plays on
  EXPECT_TRUE(state().drawActive);
  EXPECT_TRUE(view().timerRunning);
}

// While the score window is open the game does not end; the draw must still be left:
// FIN ! is offered, and the next draw, with the reserve empty and nothing won, ends the
// game at its first tick.
TEST_F(TimerTest, WhenTheReserveRunsOutBehindTheScoreWindowFinIsOfferedToLeaveTheDraw) {
  engine().Button1Click();
  port_.scoresVisible = true;
  ticks(66);
  EXPECT_TRUE(state().drawActive);
  EXPECT_FALSE(view().timerRunning);
  EXPECT_TRUE(port_.messages.empty());
  EXPECT_TRUE(view().finVisible);
  EXPECT_TRUE(view().finEyeVisible);
  EXPECT_EQ(state().enterAction, kEndDrawAction);
  EXPECT_EQ(win1252ToUtf8(view().statusText),
            " FIN ! ou Entrée pour un autre mot. Gain mot courant : 0 points.");

  port_.scoresVisible = false;
  engine().Button1Click();  // Enter: FIN !
  EXPECT_FALSE(state().drawActive);
  EXPECT_TRUE(view().motVisible);
  EXPECT_EQ(port_.count("fin.wav"), 1);
  // The next draw starts at 0 s, its FIN ! eye hidden: behind the score window, running
  // out offers FIN ! with its eye.
  port_.scoresVisible = true;
  engine().Button1Click();  // MOT !
  EXPECT_FALSE(view().finEyeVisible);
  ticks(1);
  EXPECT_TRUE(view().finVisible);
  EXPECT_TRUE(view().finEyeVisible);
  port_.scoresVisible = false;
  engine().Button1Click();  // FIN !
  engine().Button1Click();  // MOT !
  EXPECT_TRUE(view().timerRunning);
  ticks(1);
  EXPECT_EQ(port_.messages, Words{"end  0"});
  EXPECT_EQ(state().reserve, 66);
}

}  // namespace
}  // namespace vorlane::test
