#include <string>

#include "data/IoError.h"
#include "data/TextCodec.h"
#include "data/WordRecord.h"
#include "game/GameTestSupport.h"

// The game on damaged word data: a failed read is reported and the player plays on.
namespace vorlane::test {
namespace {

class DamagedDataTest : public GameTest {
 protected:
  // The link of a word's record in "Azlana.666" (bytes 10..13, big-endian).
  void link(const std::string& spelling, std::uint8_t to) {
    damage(kAnagramFile, recordOf(spelling) * kWordRecordSize + 10, std::string("\0\0\0", 3) + static_cast<char>(to));
  }
  void expectMotOffered() {
    EXPECT_FALSE(state().drawActive);
    EXPECT_EQ(state().enterAction, kStartDrawAction);
    EXPECT_TRUE(view().motVisible);
    EXPECT_FALSE(view().finVisible);
    EXPECT_FALSE(view().keyb1.visible);
    EXPECT_FALSE(view().timerRunning);
    EXPECT_EQ(state().rowCount, 0);
    EXPECT_FALSE(row(1).visible);
  }
};

TEST_F(DamagedDataTest, AReadErrorAtTheStartOfADrawLeavesMotOffered) {
  load(aliensSet());
  const std::string pristine = folder_.readFile("Zari666/Azlana.666");
  link("salien", 200);  // past the end of the file
  seed = kAliensSeed;
  EXPECT_THROW(engine().Button1Click(), IoError);
  expectMotOffered();
  EXPECT_THROW(engine().Button1Click(), IoError) << "MOT ! tries again";
  expectMotOffered();

  folder_.writeFile("Zari666/Azlana.666", pristine);
  seed = kAliensSeed;
  engine().Button1Click();
  EXPECT_TRUE(state().drawActive);
  EXPECT_EQ(state().rowCount, 5);
  EXPECT_TRUE(view().keyb1.visible);
}

// Every definition record runs past the end of "Dicx.666".
TEST_F(DamagedDataTest, ADamagedDefinitionIsReportedAndTheGameGoesOnWithoutIt) {
  load(aliensSet());
  folder_.writeFile("Zari666/Dicx.666", "\x01\x02\x03");
  seed = kAliensSeed;
  engine().Button1Click();
  ASSERT_TRUE(state().drawActive);
  EXPECT_EQ(port_.ioErrors.size(), 1u) << "the starting word's definition";
  EXPECT_TRUE(row(5).definition.lines.empty());
  engine().askDefinition(1);
  EXPECT_EQ(port_.ioErrors.size(), 2u);
  findAll();
  EXPECT_FALSE(state().drawActive) << "every word counted as found";
  EXPECT_EQ(state().foundCount, 4);
  EXPECT_EQ(state().drawGain, 36 + 3 * 66);
  for (const auto& file : port_.ioErrors) EXPECT_EQ(file.filename(), "Dicx.666");

  engine().Button1Click();  // the next draw, a single word: FIN ! reveals it
  ASSERT_TRUE(state().drawActive);
  ticks(1);
  engine().ImageFINClick();
  EXPECT_EQ(state().enterAction, kStartDrawAction);
  port_.rank = 2;
  engine().endGame(true);
  EXPECT_EQ(port_.insertedScores, std::vector<int>{36 + 3 * 66}) << "the score is offered";
}

// SILANE links back to SALINE: a walk that enters the loop elsewhere never closes.
TEST_F(DamagedDataTest, ALoopingChainWarnsOncePerDraw) {
  load({{"abbaye", 1, -1, ""},
        {"aliens", 1, 0, ""},
        {"lianes", 1, 0, ""},
        {"salien", 1, 0, ""},
        {"saline", 1, 0, ""},
        {"silane", 1, 0, ""},
        {"tortue", 1, -1, ""}});
  link("silane", static_cast<std::uint8_t>(recordOf("saline")));
  engine().setTrainingMode(true);
  for (int draw = 0; draw < 20; ++draw) {
    const std::size_t before = warnings_.size();
    engine().Button1Click();
    EXPECT_LE(warnings_.size(), before + 1) << "draw " << draw;
    engine().Button1Click();
  }
  EXPECT_GE(warnings_.size(), 2u);
  EXPECT_EQ(warnings_.front(), ">15");
}

// VALISE loses its letters and takes a link: a candidate like any other until it is read.
TEST_F(DamagedDataTest, ARecordWithoutLettersIsSkippedAndOtherDrawsGoOn) {
  load(aliensSet());
  const std::size_t valise = recordOf("valise");
  damage(kAnagramFile, valise * kWordRecordSize, std::string(1, '\0'));
  link("valise", 1);
  engine().setTrainingMode(true);
  for (int press = 0; press < 60; ++press) {
    engine().Button1Click();
    ASSERT_TRUE(port_.dataErrors.empty()) << "press " << press;
    EXPECT_TRUE(state().drawActive);
    EXPECT_EQ(view().keyb1.row.text().size(), 6u);
    engine().Button1Click();  // FIN !
  }
}

// TANGER exists only as a proper noun: with "Sans noms propres" it is never the draw,
// while ARGENT and GERANT still are.
TEST_F(DamagedDataTest, WithoutProperNounsTheDrawnWordIsTheStartingWordShown) {
  load({{"abbaye", 0, -1, ""},
        {"argent", 1, 0, ""},
        {"gérant", 1, 0, ""},
        {"Tanger", 1, 0, ""},
        {"tortue", 1, -1, ""},
        {"violon", 1, -1, ""}});
  engine().setNoProperNouns(true);
  engine().setTrainingMode(true);
  int anagramDraws = 0;
  for (int draw = 0; draw < 40; ++draw) {
    engine().Button1Click();
    ASSERT_TRUE(state().drawActive);
    if (state().drawKind == kAnagramDraw) {
      ++anagramDraws;
      ASSERT_EQ(state().rowCount, 2);
      EXPECT_EQ(state().rowWords[1], view().keyb1.row.text()) << "draw " << draw;
      EXPECT_NE(view().keyb1.row.text(), "TANGER");
    }
    engine().Button1Click();
  }
  EXPECT_EQ(anagramDraws, 20);
}

}  // namespace
}  // namespace vorlane::test
