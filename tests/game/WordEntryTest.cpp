#include <filesystem>

#include "data/TextCodec.h"
#include "data/WordForms.h"
#include "game/GameTestSupport.h"

namespace vorlane::test {
namespace {

class WordEntryTest : public GameTest {
 protected:
  void SetUp() override {
    load(aliensSet());
    seed = kAliensSeed;
    engine().Button1Click();  // rows SALIEN SALINE SILANE LIANES, starting word ALIENS
    port_.sounds.clear();
  }
  const std::string& upper() const { return view().keyb1.row.text(); }
  const std::string& lower() const { return view().keyb2.row.text(); }
  // Pointer x over tile i (1-based) of a 40-pixel keyboard.
  static int tileX(int i) { return 40 * (i - 1) + 5; }
};

struct KeyCase {
  char key;
  const char* lower;
  const char* sound;  // "" when silent
};

TEST_F(WordEntryTest, TypedKeysMoveTheFirstMatchingLetterOrPlayDing) {
  const KeyCase cases[] = {
      {'a', "A", "btn.wav"}, {'e', "E", "btn.wav"}, {'E', "", "ding.wav"},  // the only E is gone
      {'Z', "", "ding.wav"}, {' ', "", "ding.wav"},
      {'5', "", ""},         {'\xE9', "", ""},  // é, a digit: silent
      {'\n', "", ""},
  };
  std::string composed;
  int repaints = 0;
  port_.onRepaint = [&] { ++repaints; };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(std::string(1, c.key));
    port_.sounds.clear();
    repaints = 0;
    engine().keyb1KeyPress(c.key);
    composed += c.lower;
    EXPECT_EQ(lower(), composed);
    EXPECT_EQ(repaints, *c.lower != '\0' ? 1 : 0) << "a letter that moves is painted at once";
    EXPECT_EQ(port_.sounds, std::string(c.sound).empty() ? Words{} : Words{c.sound});
  }
  EXPECT_EQ(upper(), "LINS");
}

TEST_F(WordEntryTest, SpaceMovesTheHighlightAndWrapsAfterTheLastLetter) {
  engine().keyb1MouseMove(tileX(5), 10, 40, false);
  EXPECT_EQ(view().keyb1.row.tileIndex(), 4);
  engine().keyb1KeyPress(' ');
  EXPECT_EQ(view().keyb1.row.tileIndex(), 5);
  engine().keyb1KeyPress(' ');
  EXPECT_EQ(view().keyb1.row.tileIndex(), 0);
}

// A tile is under the pointer from its left edge up to the next tile's, within the
// keyboard's height; the pointer elsewhere leaves the highlight where it was.
TEST_F(WordEntryTest, TheTileUnderThePointerAtTheKeyboardsEdges) {
  struct Pointer {
    int x, y, tile;
  };
  const Pointer moves[] = {{40, 10, 1},  {0, 0, 0},    {39, 39, 0},  {239, 39, 5},
                           {120, 40, 5}, {240, 10, 5}, {-1, 10, 5}, {10, -1, 5}};
  for (const Pointer& m : moves) {
    SCOPED_TRACE(std::to_string(m.x) + "," + std::to_string(m.y));
    engine().showHelpText("Form1");
    engine().keyb1MouseMove(m.x, m.y, 40, false);
    EXPECT_EQ(view().keyb1.row.tileIndex(), m.tile);
    EXPECT_EQ(view().statusText,
              " Cliquez sur la lettre ou tapez-la au clavier. (+ Touche efface).");
  }
  EXPECT_EQ(upper(), "ALIENS") << "moving takes no letter";
  engine().keyb1MouseUp(239, 40, 40);
  engine().keyb1MouseUp(240, 39, 40);
  EXPECT_EQ(lower(), "");
  engine().keyb1MouseUp(239, 39, 40);
  EXPECT_EQ(lower(), "S");
}

TEST_F(WordEntryTest, LettersComeBackInDrawOrder) {
  engine().keyb1MouseUp(tileX(5), 10, 40);  // N
  engine().keyb1MouseUp(tileX(1), 10, 40);  // A
  EXPECT_EQ(upper(), "LIES");
  EXPECT_EQ(lower(), "NA");
  engine().keyb1KeyPress('\b');  // Backspace brings the last letter back
  EXPECT_EQ(lower(), "N");
  engine().keyb1MouseUp(tileX(1), 10, 40);  // A again
  EXPECT_EQ(lower(), "NA");
  engine().keyb2MouseUp(tileX(2), 10, 40);  // A back
  EXPECT_EQ(upper(), "ALIES");
  EXPECT_EQ(lower(), "N");
  engine().keyb1KeyPress('\b');  // backspace brings the last letter back
  EXPECT_EQ(upper(), "ALIENS");
  EXPECT_EQ(lower(), "");
  port_.sounds.clear();
  engine().keyb1KeyPress('\b');
  EXPECT_EQ(upper(), "ALIENS");
  EXPECT_TRUE(port_.sounds.empty());
  engine().keyb1MouseUp(tileX(1), 10, 40);  // A
  engine().keyb1MouseUp(tileX(1), 10, 40);  // L
  engine().keyb2MouseUp(tileX(1), 10, 40);  // A back, from the first tile
  EXPECT_EQ(lower(), "L");
}

// One of a draw's two S given back returns alone: the other stays on the lower keyboard.
TEST_F(WordEntryTest, ADoubleLetterGivenBackReturnsOnce) {
  load({{"abbaye", 0, -1, ""}, {"essaim", 1, 0, ""}, {"messia", 1, 0, ""}});
  engine().Button1Click();
  ASSERT_EQ(upper(), "ESSAIM");
  type("SS");
  EXPECT_EQ(upper(), "EAIM");
  engine().keyb2MouseUp(tileX(1), 10, 40);
  EXPECT_EQ(upper(), "ESAIM");
  EXPECT_EQ(lower(), "S");
}

// Six clicks on the upper keyboard compose a word, weighed as a typed one is.
TEST_F(WordEntryTest, AWordComposedWithTheMouseIsWeighed) {
  engine().keyb1MouseUp(tileX(6), 10, 40);                                // S
  for (int i = 0; i < 5; ++i) engine().keyb1MouseUp(tileX(1), 10, 40);  // A, L, I, E, N
  EXPECT_EQ(state().foundCount, 1);
  EXPECT_EQ(row(1).input.text(), "SALIEN");
  EXPECT_EQ(upper(), "ALIENS") << "given back for the next word";
}

// Backspace on the lower keyboard gives back its current letter, the first one too.
TEST_F(WordEntryTest, BackspaceOnTheLowerKeyboardGivesBackItsCurrentLetter) {
  engine().keyb1MouseUp(tileX(5), 10, 40);  // N
  engine().keyb1MouseUp(tileX(1), 10, 40);  // A
  engine().keyb2MouseMove(tileX(1), 10, 40);
  engine().keyb2KeyPress('\b');
  EXPECT_EQ(lower(), "A");
  EXPECT_EQ(upper(), "LIENS");
}

TEST_F(WordEntryTest, ClicksOutsideTheLettersMoveNothing) {
  engine().keyb1MouseUp(tileX(5), 10, 40);
  engine().keyb1MouseUp(tileX(6), 10, 40);  // right of the fifth and last letter
  engine().keyb1MouseUp(tileX(1), 40, 40);  // below the tiles
  engine().keyb1MouseUp(-1, 10, 40);
  EXPECT_EQ(upper(), "ALIES");
  EXPECT_EQ(lower(), "N");
}

TEST_F(WordEntryTest, EachKindOfWordGetsItsStatusTextAndSound) {
  type("SNEILA");
  EXPECT_EQ(view().statusText, " SNEILA n'existe pas.");
  EXPECT_EQ(port_.count("btn.wav"), 6);
  EXPECT_EQ(port_.sounds.back(), "ding.wav");
  EXPECT_EQ(port_.count("ding.wav"), 1);  // once, whatever the number of rows
  EXPECT_EQ(lower(), "SNEILA");           // a wrong word stays on the lower keyboard
  EXPECT_TRUE(state().statusLocked);
  port_.sounds.clear();
  engine().keyb1KeyPress('5');
  EXPECT_EQ(port_.sounds, Words{}) << "a key that is no letter does not weigh the word again";
  engine().showHelpText("keyb1");
  EXPECT_EQ(view().statusText, " SNEILA n'existe pas.");
  for (int i = 0; i < 6; ++i) engine().keyb2KeyPress('\b');
  EXPECT_FALSE(state().statusLocked);
  EXPECT_EQ(upper(), "ALIENS");

  port_.sounds.clear();
  type("SILANE");
  EXPECT_EQ(port_.sounds.back(), "Inter.wav");
  EXPECT_EQ(row(3).input.text(), "SILANE");
  EXPECT_EQ(row(3).inputColour, kRed);
  EXPECT_EQ(row(3).panelColour, kRed);
  EXPECT_TRUE(row(3).panelBold);
  EXPECT_EQ(state().drawGain, 66);
  EXPECT_EQ(upper(), "ALIENS");  // given back for the next word
  EXPECT_TRUE(view().finVisible);
  EXPECT_EQ(state().enterAction, kEndDrawAction);
  EXPECT_EQ(row(3).definition.lines,
            Words{toWin1252("silane, n. m. : Composé de silicium et d'hydrogène.")});

  struct Refusal {
    const char* word;
    const char* status;
  };
  for (const Refusal& r : {Refusal{"SILANE", "SILANE est déjà trouvé."},
                           Refusal{"ALIENS", "ALIENS est le mot de départ."}}) {
    for (int i = 0; i < 6; ++i) engine().keyb2KeyPress('\b');
    port_.sounds.clear();
    type(r.word);
    EXPECT_EQ(view().statusText, toWin1252(std::string(" ") + r.status));
    EXPECT_EQ(port_.sounds.back(), "ding.wav");
    EXPECT_EQ(state().drawGain, 66);
    EXPECT_EQ(state().foundCount, 1);
  }
}

// LAINES and ENLISA are French, but no row of this draw: the game says so, without the sound
// of a mistake and without cost; SNEILA is no French word at all. Without a sound list of
// forms, every word that is no row is refused as it always was.
TEST_F(WordEntryTest, ARealWordThatIsNoRowIsOnlyNotToBeFoundHere) {
  writeWordForms(folder_.dataFolder() / "Formes.666", {"SALINE", "LAINES", "ENLISA", "ALIENS"});
  ticks(3);
  const GameState before = state();
  struct Attempt {
    const char* word;
    const char* status;
    bool ding;
  };
  const Attempt attempts[] = {{"LAINES", " LAINES n'est pas à trouver dans ce tirage.", false},
                              {"SNEILA", " SNEILA n'existe pas.", true},
                              {"ENLISA", " ENLISA n'est pas à trouver dans ce tirage.", false}};
  for (const Attempt& a : attempts) {
    SCOPED_TRACE(a.word);
    port_.sounds.clear();
    type(a.word);
    EXPECT_EQ(view().statusText, toWin1252(a.status));
    EXPECT_EQ(port_.count("ding.wav"), a.ding ? 1 : 0);
    EXPECT_EQ(port_.count("btn.wav"), 6);
    EXPECT_EQ(port_.sounds.size(), a.ding ? 7u : 6u);
    EXPECT_EQ(lower(), a.word);  // left on the lower keyboard, as any word not found
    EXPECT_TRUE(state().statusLocked);
    EXPECT_EQ(state().drawGain, before.drawGain);
    EXPECT_EQ(state().reserve, before.reserve);
    EXPECT_EQ(state().score, before.score);
    EXPECT_EQ(state().foundCount, 0);
    for (int i = 0; i < 6; ++i) engine().keyb2KeyPress('\b');
  }
  type("SALINE");  // a row first: found, whatever the list says
  EXPECT_EQ(row(2).inputColour, kRed);
  EXPECT_EQ(state().foundCount, 1);

  // Cut short, then gone: the old refusal.
  for (bool cut : {true, false}) {
    if (cut) {
      folder_.writeFile("Zari666/Formes.666", "LAINESENLISALAINE");
    } else {
      std::filesystem::remove(folder_.dataFolder() / "Formes.666");
    }
    port_.sounds.clear();
    type("LAINES");
    EXPECT_EQ(view().statusText, " LAINES n'existe pas.");
    EXPECT_EQ(port_.sounds.back(), "ding.wav");
    for (int i = 0; i < 6; ++i) engine().keyb2KeyPress('\b');
  }
}

TEST_F(WordEntryTest, TheLastWordEndsTheDrawAndTheGainWaitsForTheNextMot) {
  ticks(10);
  findAll();
  EXPECT_FALSE(state().drawActive);
  EXPECT_EQ(port_.count("hi.wav"), 1);
  EXPECT_EQ(state().drawKind, kSingleWordDraw);
  EXPECT_EQ(state().drawGain, 4 * 66);
  EXPECT_EQ(view().reserveCaption, "56");
  EXPECT_TRUE(view().motVisible);
  EXPECT_FALSE(view().keyb1.visible);
  EXPECT_FALSE(view().timerRunning);
  EXPECT_TRUE(view().clockVisible);
  EXPECT_EQ(view().clockCaption, "00:10");
  EXPECT_EQ(state().enterAction, kStartDrawAction);
  EXPECT_FALSE(view().definitionEntry.enabled);
  EXPECT_FALSE(view().letterEntry.enabled);

  engine().Button1Click();
  EXPECT_EQ(state().reserve, 56 + 264);
  EXPECT_EQ(state().score, 264);
  EXPECT_EQ(state().drawGain, 0) << "banked";
  EXPECT_EQ(view().scoreCaption, "264");
  EXPECT_EQ(state().drawKind, kSingleWordDraw);
  EXPECT_EQ(state().rowCount, 1);
  EXPECT_EQ(view().keyb1.row.tileIndex(), 0) << "the highlight starts on the first letter again";
  EXPECT_EQ(port_.relayouts, 1);  // no relayout while a gain is banked
}

// The highlight starts on the first letter of every draw and of letters given back, as the
// keyboard shows it: each Space moves it one tile on.
TEST_F(WordEntryTest, TheFirstSpaceOfADrawMovesTheHighlightFromTheFirstLetter) {
  EXPECT_EQ(view().keyb1.row.tileIndex(), 0);
  engine().keyb1KeyPress(' ');
  EXPECT_EQ(view().keyb1.row.tileIndex(), 1);
  engine().keyb1KeyPress('E');  // a typed letter is highlighted where it stood: N takes its tile
  EXPECT_EQ(view().keyb1.row.tileIndex(), 3);
  engine().keyb1KeyPress('\b');

  type("SALIEN");  // found: the six letters come back
  ASSERT_EQ(upper(), "ALIENS");
  EXPECT_EQ(view().keyb1.row.tileIndex(), 0);
  engine().keyb1KeyPress(' ');
  EXPECT_EQ(view().keyb1.row.tileIndex(), 1);

  for (int i = 0; i < 6; ++i) engine().keyb1MouseUp(tileX(1), 10, 40);  // ALIENS, not a row
  ASSERT_EQ(upper(), "");
  engine().keyb2MouseUp(tileX(3), 10, 40);  // I back onto an empty keyboard
  EXPECT_EQ(upper(), "I");
  EXPECT_EQ(view().keyb1.row.tileIndex(), 0);
}

// A letter given back with a click leaves the typing on the upper keyboard.
TEST_F(WordEntryTest, AClickOnTheLowerKeyboardGivesTheKeysBackToTheUpperOne) {
  engine().keyb1MouseUp(tileX(5), 10, 40);  // N
  engine().keyb1MouseUp(tileX(1), 10, 40);  // A
  engine().keyb2MouseUp(tileX(2), 10, 40);  // A back
  EXPECT_EQ(lower(), "N");
  EXPECT_EQ(view().focus, Focus::upperKeyboard);
  engine().keyb2MouseUp(tileX(1), 10, 40);  // N back, from the first tile
  EXPECT_EQ(lower(), "");
}

// The pointer over the lower keyboard shows the keyboards' help and makes the letter under
// it current; once the draw is over it shows the help and moves nothing.
TEST_F(WordEntryTest, ThePointerOverTheLowerKeyboardMakesItsLetterCurrentDuringADraw) {
  const std::string help = " Cliquez sur la lettre ou tapez-la au clavier. (+ Touche efface).";
  type("SALIEN");  // found: FIN ! is offered
  type("NAIL");
  ASSERT_NE(view().statusText, help);
  struct Pointer {
    int x, y, tile;
  };
  const Pointer moves[] = {{tileX(3), 10, 2}, {tileX(1), 39, 0}, {tileX(6), 0, 3},
                           {tileX(2), 10, 1}, {-1, 10, 1},       {tileX(4), 40, 1}};
  for (const Pointer& m : moves) {
    SCOPED_TRACE(std::to_string(m.x) + "," + std::to_string(m.y));
    engine().keyb2MouseMove(m.x, m.y, 40);
    EXPECT_EQ(view().statusText, help);
    EXPECT_EQ(view().keyb2.row.tileIndex(), m.tile);
  }
  EXPECT_EQ(lower(), "NAIL") << "moving takes no letter back";

  engine().Button1Click();  // FIN !
  ASSERT_FALSE(state().drawActive);
  ASSERT_EQ(lower(), "NAIL");
  engine().showHelpText("Form1");
  engine().keyb2MouseMove(tileX(4), 10, 40);
  EXPECT_EQ(view().statusText, help);
  EXPECT_EQ(view().keyb2.row.tileIndex(), 1);
}

}  // namespace
}  // namespace vorlane::test
