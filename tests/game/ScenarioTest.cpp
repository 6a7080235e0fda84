#include <algorithm>
#include <set>

#include "data/TextCodec.h"
#include "game/GameTestSupport.h"

// Whole games over several draws: what each draw resets, what the end of a draw leaves,
// the recent-draw rule of both kinds, the top level and the end of a game.
namespace vorlane::test {
namespace {

class ScenarioTest : public GameTest {
 protected:
  // Fourteen anagrams of CEINRT at level 1 (thirteen to find, 858 points a draw), then
  // two single words.
  static std::vector<GameWord> fourteenAnagrams() {
    std::vector<GameWord> words = {{"abbaye", 0, -1, ""}};
    std::string letters = "ceinrt";
    for (int i = 0; i < 14; ++i) {
      words.push_back({letters, 1, 0, i == 0 ? "Premier mot de la classe." : ""});
      std::next_permutation(letters.begin(), letters.end());
    }
    words.push_back({"tortue", 1, -1, ""});
    words.push_back({"violon", 1, -1, ""});
    return words;
  }

  // Every row of a new draw starts blank, white, at 66, with a closed book.
  void expectFreshRows(int rows) {
    for (int k = 1; k <= kRowCount; ++k) {
      SCOPED_TRACE("row " + std::to_string(k));
      EXPECT_EQ(row(k).visible, k <= rows);
      if (k > rows) continue;
      const bool startingWord = state().drawKind == kAnagramDraw && k == rows;
      EXPECT_EQ(row(k).valueCaption, startingWord ? "0" : "66");
      EXPECT_EQ(row(k).panelColour, startingWord ? kRed : kWhite);
      EXPECT_EQ(row(k).inputColour, kBlack);
      EXPECT_FALSE(row(k).panelBold);
      if (startingWord) continue;
      EXPECT_EQ(row(k).input.text(), "      ");
      EXPECT_EQ(row(k).bookTag, 0);
      EXPECT_TRUE(row(k).bookEnabled);
      EXPECT_EQ(row(k).book, BookPicture::liv);
      EXPECT_TRUE(row(k).definition.lines.empty());
    }
    EXPECT_EQ(state().foundCount, 0);
    EXPECT_EQ(state().drawGain, 0);
    EXPECT_EQ(state().defCursor, 0);
    EXPECT_EQ(state().elapsed, 0);
    EXPECT_EQ(view().clockCaption, "00:00");
    EXPECT_FALSE(view().clockVisible);
    EXPECT_FALSE(view().finVisible);
    EXPECT_TRUE(view().hintVisible);
    EXPECT_EQ(view().hintColumn, 1);
    EXPECT_EQ(view().letterEntry, (MenuEntry{toWin1252("Première lettre"), true}));
    EXPECT_TRUE(view().definitionEntry.enabled);
    EXPECT_TRUE(view().enlargeEntry.enabled);
    EXPECT_TRUE(view().keyb1.visible);
    EXPECT_EQ(view().keyb2.row.text(), "");
    EXPECT_TRUE(view().timerRunning);
    EXPECT_EQ(view().cursor, CursorShape::normal);
  }

  // What the end of a draw leaves, whichever way it ended.
  void expectDrawOver() {
    EXPECT_FALSE(state().drawActive);
    EXPECT_EQ(state().enterAction, kStartDrawAction);
    EXPECT_TRUE(view().motVisible);
    EXPECT_FALSE(view().finVisible);
    EXPECT_FALSE(view().keyb1.visible);
    EXPECT_FALSE(view().hintVisible);
    EXPECT_FALSE(view().definitionEntry.enabled);
    EXPECT_FALSE(view().letterEntry.enabled);
    EXPECT_FALSE(view().timerRunning);
    EXPECT_TRUE(view().clockVisible);
    EXPECT_EQ(view().cursor, CursorShape::normal);
  }
};

TEST_F(ScenarioTest, AGameClimbsToTheTopLevelAndItsEndStartsTheNextOneAfresh) {
  load(fourteenAnagrams());
  // Draw 1: fourteen rows; a definition and a letter bought, then every word found.
  engine().Button1Click();
  ASSERT_EQ(state().drawKind, kAnagramDraw);
  expectFreshRows(14);
  engine().askDefinition(1);
  EXPECT_EQ(row(1).valueCaption, "36");
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages, Words{"cost 6 1"}) << "66 a letter, never below 60 seconds";
  EXPECT_EQ(state().reserve, 60);
  findAll();
  expectDrawOver();
  EXPECT_EQ(state().drawGain, 36 + 12 * 66);
  for (int k = 1; k <= 13; ++k) EXPECT_EQ(row(k).inputColour, kRed) << k;

  // Draw 2: the gain is banked, the level rises, and nothing of draw 1 is left.
  engine().Button1Click();
  EXPECT_EQ(state().score, 828);
  EXPECT_EQ(state().reserve, 60 + 828);
  EXPECT_EQ(state().level, 3);
  EXPECT_EQ(state().reducedValue, 24);
  EXPECT_EQ(port_.messages.back(), "level 666 3");
  ASSERT_EQ(state().drawKind, kSingleWordDraw);
  expectFreshRows(1);
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages.back(), "cost 198 3");
  EXPECT_EQ(state().reserve, 888 - 198);
  engine().ImageTETEClick();
  EXPECT_EQ(row(1).valueCaption, "24") << "the second letter sets the level's reduced value";
  engine().ImageTETEClick();
  EXPECT_EQ(row(1).valueCaption, "24") << "Normal mode: later letters cost time only";
  EXPECT_EQ(state().reserve, 888 - 3 * 198);
  type(state().rowWords[0]);
  expectDrawOver();

  // Draw 3: the class drawn again, as nothing else qualifies; draw 4 reaches the top.
  engine().Button1Click();
  ASSERT_EQ(state().drawKind, kAnagramDraw);
  expectFreshRows(14);
  findAll();
  engine().Button1Click();
  EXPECT_EQ(state().score, 828 + 24 + 858);
  EXPECT_TRUE(state().topLevel);
  EXPECT_EQ(port_.messages.back(), "level 1666 6");
  EXPECT_EQ(state().reducedValue, 6);

  // Nothing won until the reserve runs out: the game ends and the next starts afresh.
  ticks(state().reserve + 10);
  EXPECT_EQ(port_.insertedScores, std::vector<int>{1710});
  EXPECT_EQ(port_.messages.back(), "end  1710");
  expectDrawOver();
  EXPECT_FALSE(state().topLevel);
  EXPECT_EQ(state().score, 0);
  EXPECT_EQ(state().reserve, 66);
  engine().Button1Click();
  EXPECT_EQ(state().drawKind, kAnagramDraw);
  EXPECT_EQ(state().level, 1);
  EXPECT_EQ(state().reducedValue, 36);

  // Quitting with a word found ends the game quietly; a score that ranks is still entered.
  type(state().rowWords[1]);
  port_.rank = 4;
  port_.sounds.clear();
  engine().endGame(true);
  EXPECT_EQ(port_.messages.back(), "end dans les six 66");
  EXPECT_EQ(port_.scoresShown, 1);
  EXPECT_TRUE(port_.sounds.empty());
}

// Two anagram classes and three single words: a draw in which a word was found does not
// come back while another qualifies, in either kind of draw.
TEST_F(ScenarioTest, FoundDrawsStayAwayWhileOthersQualify) {
  std::vector<GameWord> words = aliensSet();
  words.push_back({"cirent", 1, 1, ""});
  words.push_back({"citer", 1, -1, ""});
  words.push_back({"crient", 1, 1, ""});
  words.push_back({"nitrec", 1, 1, ""});
  load(words);
  engine().setTrainingMode(true);
  std::set<std::string> anagrams;
  std::set<std::string> singles;
  for (int draw = 0; draw < 6; ++draw) {
    engine().Button1Click();
    ASSERT_TRUE(state().drawActive) << draw;
    const std::string drawn = view().keyb1.row.text();
    if (state().drawKind == kAnagramDraw) {
      if (draw < 4) {
        EXPECT_TRUE(anagrams.insert(drawn).second) << drawn << " came back";
      }
    } else {
      EXPECT_TRUE(singles.insert(state().rowWords[0]).second) << state().rowWords[0] << " came back";
    }
    type(state().rowWords[0]);
    if (state().drawActive) {
      port_.cursors.clear();
      engine().Button1Click();  // FIN !
      EXPECT_EQ(port_.cursors, (std::vector<CursorShape>{CursorShape::hourglass, CursorShape::normal}));
    }
    expectDrawOver();
  }
  EXPECT_EQ(singles.size(), 3u);
}

// While its word's sixth letter is still blank, the enlarged definition shows the masked
// text; once the word is found, the full one.
TEST_F(ScenarioTest, TheEnlargedDefinitionStaysMaskedUntilTheWordIsComplete) {
  load(aliensSet());
  seed = kAliensSeed;
  engine().Button1Click();  // rows SALIEN SALINE SILANE LIANES, starting word ALIENS
  const int lianes = 4;
  engine().askDefinition(lianes);
  ASSERT_TRUE(row(lianes).bookEnabled) << "a definition of several lines";
  engine().pressBook(lianes);
  ASSERT_TRUE(view().memo15.visible);
  const std::vector<std::string> masked = view().memo15.definition.lines;
  EXPECT_EQ(masked, Words{row(lianes).definition.maskedTexts.substr(1)});
  EXPECT_EQ(masked[0].find("lianes"), std::string::npos);
  engine().releaseBook(lianes);
  type("LIANES");
  engine().pressBook(lianes);
  ASSERT_TRUE(view().memo15.visible);
  EXPECT_NE(view().memo15.definition.lines[0].find("lianes"), std::string::npos);
}

}  // namespace
}  // namespace vorlane::test
