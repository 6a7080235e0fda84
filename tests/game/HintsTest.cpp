#include <algorithm>

#include "data/TextCodec.h"
#include "game/GameTestSupport.h"
#include "game/MainWindowLayout.h"

namespace vorlane::test {
namespace {

class HintsTest : public GameTest {
 protected:
  void startAliens() {
    load(aliensSet());
    seed = kAliensSeed;
    engine().Button1Click();  // rows SALIEN SALINE SILANE LIANES, starting word ALIENS
  }
  Words values() const {
    Words v;
    for (int k = 1; k <= state().rowCount; ++k) v.push_back(row(k).valueCaption);
    return v;
  }
  // `count` anagrams of `letters` at level 1, one class, each with `definition`.
  static void addChain(std::vector<GameWord>& words, std::string letters, int count,
                       int anagramClass, const std::string& definition = "") {
    for (int i = 0; i < count; ++i) {
      words.push_back({letters, 1, anagramClass, definition});
      std::next_permutation(letters.begin(), letters.end());
    }
  }
};

// Seven anagrams at level 1, then single words: finding the six of the first draw takes
// a Senior to 396 points, level 2.
TEST_F(HintsTest, ASeniorAtLevelTwoWithTwoHundredSecondsPays132Then8) {
  std::vector<GameWord> words = {{"abbaye", 0, -1, ""}, {"tortue", 2, -1, ""}};
  addChain(words, "aegnor", 7, 0);
  load(words);
  engine().Button1Click();
  findAll();
  engine().Button1Click();
  EXPECT_EQ(port_.messages, Words{"level 333 2"});
  EXPECT_EQ(port_.count("dong.wav"), 1) << "the level message rings";
  EXPECT_EQ(state().level, 2);
  EXPECT_EQ(state().reserve, 66 + 396);
  ticks(262);
  ASSERT_EQ(state().reserve, 200);

  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages.back(), "cost 132 2");
  EXPECT_EQ(state().reserve, 68);
  EXPECT_EQ(view().reserveCaption, "68");
  EXPECT_EQ(row(1).input.text(), "T     ");
  EXPECT_TRUE(view().hintVisible);
  EXPECT_EQ(view().letterEntry.caption, toWin1252("Deuxième lettre"));

  engine().lettreClick();
  EXPECT_EQ(port_.messages.back(), "cost 8 2");
  EXPECT_EQ(state().reserve, 60);
  EXPECT_EQ(row(1).input.text(), "TO    ");
  EXPECT_EQ(row(1).valueCaption, "30");  // the second letter: reducedValue at level 2
  EXPECT_FALSE(view().hintVisible);
  EXPECT_FALSE(view().letterEntry.enabled);
}

TEST_F(HintsTest, AJuniorAtLevelOneWith61SecondsPaysOneSecondForTheLastLetter) {
  load(aliensSet());
  seed = kAliensSeed;
  engine().setJuniorClass(true);
  engine().Button1Click();
  ticks(5);
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages, Words{"cost 1 1"});
  EXPECT_EQ(view().reserveCaption, "60");
  EXPECT_FALSE(view().hintVisible);
}

TEST_F(HintsTest, ACancelledPriceGivesNoLetterAndCostsNothing) {
  startAliens();
  port_.letterCostAnswer = kMessageCancel;
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages, Words{"cost 6 1"});
  EXPECT_EQ(state().reserve, 66);
  EXPECT_EQ(row(1).input.text(), "      ");
  EXPECT_EQ(port_.sounds.back(), "btn.wav");
  EXPECT_TRUE(view().hintVisible);
}

TEST_F(HintsTest, TrainingGivesSixFreeLettersThatLowerTheUnfoundValues) {
  load(aliensSet());
  seed = kAliensSeed;
  engine().setTrainingMode(true);
  engine().Button1Click();
  EXPECT_TRUE(view().finVisible && view().finEyeVisible) << "FIN ! offered from the start";
  type("SALIEN");
  const Words expected[] = {{"66", "66", "66", "66", "0"}, {"66", "36", "36", "36", "0"},
                            {"66", "24", "24", "24", "0"}, {"66", "12", "12", "12", "0"},
                            {"66", "0", "0", "0", "0"},    {"66", "0", "0", "0", "0"}};
  const char* captions[] = {"Deuxième lettre", "Troisième lettre", "Quatrième lettre",
                            "Cinquième lettre", "Sixième lettre"};
  for (int letter = 1; letter <= 6; ++letter) {
    engine().ImageTETEClick();
    EXPECT_EQ(values(), expected[letter - 1]) << letter;
    if (letter < 6) {
      EXPECT_EQ(view().letterEntry.caption, toWin1252(captions[letter - 1]));
    }
  }
  EXPECT_TRUE(port_.messages.empty());
  EXPECT_EQ(state().reserve, 66);
  EXPECT_EQ(row(2).input.text(), "SALINE");
  EXPECT_EQ(row(4).input.text(), "LIANES");
  EXPECT_FALSE(view().hintVisible);
  EXPECT_FALSE(view().letterEntry.enabled);
}

TEST_F(HintsTest, ADefinitionLowersTheValueOnceAndHidesTheWord) {
  startAliens();
  port_.sounds.clear();
  std::vector<std::pair<CursorShape, std::size_t>> atRepaint;  // cursor, lines shown
  port_.onRepaint = [&] { atRepaint.emplace_back(view().cursor, row(1).definition.lines.size()); };
  engine().def1Click();  // Ctrl+D: row 1, SALIEN
  EXPECT_EQ(atRepaint, (std::vector<std::pair<CursorShape, std::size_t>>{
                           {CursorShape::hourglass, 1}, {CursorShape::normal, 1}}))
      << "the definition is painted under the hourglass, then once the pointer is back";
  port_.onRepaint = nullptr;
  EXPECT_EQ(row(1).valueCaption, "36");
  EXPECT_EQ(row(1).definition.lines, Words{"Relatif aux Francs ......s."});
  EXPECT_EQ(row(1).book, BookPicture::livouv2);
  EXPECT_FALSE(row(1).bookEnabled);
  EXPECT_EQ(port_.sounds, Words{"btn.wav"});

  engine().askDefinition(1);
  EXPECT_EQ(row(1).valueCaption, "36");
  EXPECT_EQ(row(1).definition.lines.size(), 1u);
  EXPECT_EQ(port_.sounds, Words{"btn.wav"});
  EXPECT_EQ(state().lastShownRow, 1);

  engine().def1Click();
  EXPECT_EQ(state().defCursor, 2);
  EXPECT_EQ(row(2).bookTag, 1);
}

// Each Ctrl+D shows a definition not shown yet: the found word's and the starting word's
// rows are passed over; once every row is seen it goes through them in turn.
TEST_F(HintsTest, EveryCtrlDShowsADefinitionNotYetShown) {
  startAliens();
  type("SALIEN");  // row 1 found, its definition shown
  port_.sounds.clear();
  std::vector<int> cursors;
  for (int i = 0; i < 5; ++i) {
    engine().def1Click();
    cursors.push_back(state().defCursor);
  }
  EXPECT_EQ(cursors, (std::vector<int>{2, 3, 4, 5, 1}));
  EXPECT_EQ(values(), (Words{"66", "36", "36", "36", "0"}));
  EXPECT_EQ(port_.sounds, (Words{"btn.wav", "btn.wav", "btn.wav"}));
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(row(k).bookTag, 1) << k;
  EXPECT_EQ(row(2).definition.lines.front().rfind("Marais", 0), 0u);
}

// A Junior's top level is told as level 3 (the level-up message said so); its letter
// costs 33 x 2 s, as at level 2.
TEST_F(HintsTest, AJuniorAtTheTopLevelIsToldLevelThreeAndPays66) {
  // Two chains of 14 words (13 to find, 858 points a draw) and single words between.
  std::vector<GameWord> words = {{"abbaye", 0, -1, ""}, {"tortue", 1, -1, ""},
                                 {"valise", 2, -1, ""}, {"violon", 2, -1, ""}};
  addChain(words, "aegnor", 14, 0);
  addChain(words, "bdeilu", 14, 1);
  load(words);
  engine().setJuniorClass(true);
  for (int draw = 0; draw < 8 && !state().topLevel; ++draw) {
    engine().Button1Click();
    findAll();
  }
  engine().Button1Click();
  ASSERT_TRUE(state().topLevel);
  ASSERT_EQ(port_.messages, (Words{"level 666 2", "level 1666 3"}));
  EXPECT_EQ(state().level, 2);
  ASSERT_TRUE(state().drawActive);

  engine().lettreClick();
  EXPECT_EQ(port_.messages.back(), "cost 66 3");
  EXPECT_EQ(state().reserve, 66 + state().score - 66);
}

TEST_F(HintsTest, AMultiLineDefinitionIsEnlargedWhileItsBookIsHeld) {
  startAliens();
  engine().SpeedButtonMouseDown(4);  // LIANES, not yet seen: nothing to enlarge
  EXPECT_FALSE(view().memo15.visible);
  engine().SpeedButtonMouseUp(4);
  EXPECT_EQ(row(4).book, BookPicture::livouv);
  EXPECT_EQ(state().lastShownRow, 5);

  engine().SpeedButtonMouseDown(4);
  EXPECT_TRUE(row(4).bookPressed);
  ASSERT_TRUE(view().memo15.visible);
  EXPECT_EQ(view().memo15.definition.lines, row(4).definition.lines);
  EXPECT_NE(view().memo15.definition.lines[0].find("Plante grimpante"), std::string::npos);
  EXPECT_EQ(view().memo15.definition.lines[0].find("lianes"), std::string::npos);
  // 3 lines of 19: moved up to end 2 pixels below the last row's box (146 + 80 + 19).
  EXPECT_EQ(view().memo15.height, 59);
  EXPECT_EQ(view().memo15.top, 245 + 2 - 59);
  engine().SpeedButtonMouseUp(4);
  EXPECT_FALSE(view().memo15.visible);
  EXPECT_FALSE(row(4).bookPressed);
  const int shown = state().lastShownRow;
  engine().MemoMouseUp(4);  // a release over the box counts as the book's release
  EXPECT_EQ(state().lastShownRow, shown + 1);
  EXPECT_FALSE(view().memo15.visible);
  // Three lines from row 3 (186) end on the last row's line, 245: they stay where they are.
  port_.lineWidth = 15;
  engine().askDefinition(3);
  ASSERT_EQ(row(3).definition.tag, 3 * 19);
  engine().SpeedButtonMouseDown(3);
  EXPECT_EQ(view().memo15.top, 186);
  engine().SpeedButtonMouseUp(3);
  port_.lineWidth = 40;

  engine().Button1Click();  // FIN ! is not offered yet
  type("SALIEN");
  ASSERT_EQ(row(4).definition.tag, 3 * 19);
  engine().Button1Click();  // FIN !
  EXPECT_EQ(row(4).definition.tag, 4 * 19) << "the plain form, from its store, is longer";
  engine().SpeedButtonMouseDown(4);
  EXPECT_EQ(view().memo15.definition.lines[0].rfind("lianes, n. m. : Plante", 0), 0u);
  EXPECT_TRUE(engine().FormKeyDown(false));  // any key closes it
  EXPECT_FALSE(view().memo15.visible);
}

TEST_F(HintsTest, CtrlWOpensAndClosesTheSeenDefinitionsInTurn) {
  startAliens();
  engine().montredef1Click();  // ALIENS has one line: the next seen row with more is none
  EXPECT_FALSE(view().memo15.visible);
  engine().Button1Click();
  type("SALIEN");
  engine().Button1Click();  // FIN !: every row shows its plain definition
  std::vector<int> opened;
  for (int i = 0; i < 6; ++i) {
    engine().montredef1Click();
    if (!view().memo15.visible) continue;
    opened.push_back(state().enlargedRow);
    EXPECT_EQ(view().memo15.definition.lines, row(opened.back()).definition.lines);
  }
  EXPECT_EQ(opened, (std::vector<int>{1, 2, 3}));
  EXPECT_FALSE(engine().FormKeyDown(false));
  EXPECT_TRUE(engine().FormKeyDown(true));  // Alt alone
  EXPECT_EQ(state().enlargedRow, 4);
  engine().FormClick();
  EXPECT_FALSE(view().memo15.visible);
}

// Ctrl+W goes round every seen row that opens, up to the starting word's, the last one.
TEST_F(HintsTest, CtrlWGoesRoundToTheLastRow) {
  startAliens();
  port_.lineWidth = 20;  // every definition takes two lines or more
  engine().setLayout(relayoutMainWindow({}, 1024, kFormWidth, false));
  engine().askDefinition(1);
  engine().askDefinition(3);
  std::vector<int> opened;
  for (int i = 0; i < 8; ++i) {
    engine().montredef1Click();
    if (view().memo15.visible) opened.push_back(state().enlargedRow);
  }
  EXPECT_EQ(opened, (std::vector<int>{3, 5, 1, 3})) << "row 4, never seen, is passed over";
}

// Ticks keep coming while the price of a letter is asked.
TEST_F(HintsTest, TheReserveDrainingDuringThePriceQuestionIsNeverOverdrawn) {
  startAliens();
  port_.whileMessageOpen = [this] { ticks(3); };
  engine().ImageTETEClick();  // 6 s asked at 66, 63 left when OK comes
  EXPECT_EQ(state().reserve, 60);
  EXPECT_EQ(row(1).input.text(), "S     ");
}

TEST_F(HintsTest, AGameThatEndsDuringThePriceQuestionGivesNoLetter) {
  startAliens();
  port_.whileMessageOpen = [this] { ticks(100); };
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages, (Words{"cost 6 1", "end  0"}));  // the end comes after the price
  EXPECT_FALSE(state().drawActive);
  EXPECT_EQ(state().reserve, 66);
  EXPECT_EQ(view().reserveCaption, "66");
  EXPECT_EQ(view().hintColumn, 2);  // only the free letter of the seventh tick
  EXPECT_EQ(port_.insertedScores, std::vector<int>{0});
  // That end is spent: the next game's first letter is bought, not taken for another end.
  port_.whileMessageOpen = nullptr;
  engine().Button1Click();
  engine().ImageTETEClick();
  EXPECT_TRUE(state().drawActive);
  EXPECT_EQ(state().reserve, 60);
}

TEST_F(HintsTest, AFreeLetterGivenWhileThePriceIsAskedIsTheDrawsLast) {
  startAliens();
  port_.whileMessageOpen = [this] { ticks(7); };  // 59 s: the timer gives a letter free
  engine().ImageTETEClick();
  EXPECT_EQ(port_.messages, Words{"cost 6 1"});
  EXPECT_EQ(row(1).input.text(), "S     ");
  EXPECT_EQ(view().hintColumn, 2);
  EXPECT_FALSE(view().hintVisible);
  EXPECT_EQ(state().reserve, 59);
}

// ALIENS, row 5, has a one-line definition: its book button is disabled.
TEST_F(HintsTest, ADisabledBookButtonTakesNoPress) {
  startAliens();
  for (int k = 1; k <= 4; ++k) engine().def1Click();
  engine().montredef1Click();  // Ctrl+W enlarges LIANES, the last seen
  ASSERT_TRUE(view().memo15.visible);
  ASSERT_FALSE(row(5).bookEnabled);
  engine().SpeedButtonMouseDown(5);
  engine().SpeedButtonMouseUp(5);
  EXPECT_TRUE(view().memo15.visible);
  EXPECT_EQ(state().lastShownRow, 4);
  engine().montredef1Click();
  EXPECT_FALSE(view().memo15.visible);
  EXPECT_FALSE(row(4).bookPressed);
}

// After a single-word draw every definition is on show and "Agrandir définition" is
// enabled: Ctrl+W enlarges, from the first row, without a book click first.
TEST_F(HintsTest, CtrlWEnlargesAfterASingleWordDrawWithoutABookClick) {
  std::vector<GameWord> words = aliensSet();
  for (GameWord& w : words) {
    if (w.anagramClass < 0 && w.level > 0) {
      w.definition = "Un mot seul, dont la définition tient sur plusieurs lignes du livre.";
    }
  }
  load(words);
  seed = kAliensSeed;
  engine().setTrainingMode(true);
  engine().Button1Click();
  engine().Button1Click();  // FIN !
  engine().Button1Click();  // a single-word draw
  ASSERT_EQ(state().drawKind, kSingleWordDraw);
  engine().Button1Click();  // FIN !
  ASSERT_TRUE(view().enlargeEntry.enabled);
  ASSERT_TRUE(row(1).bookEnabled);
  engine().montredef1Click();
  EXPECT_TRUE(view().memo15.visible);
  EXPECT_EQ(state().enlargedRow, 1);
  EXPECT_EQ(view().memo15.top + view().memo15.height, 146 + 19 + 2) << "up, to end by the row";
  engine().montredef1Click();
  EXPECT_FALSE(view().memo15.visible);
}

// A word of two records shows both definitions, one line each, masked while it is to be
// found and in full from the row's store once it is found.
TEST_F(HintsTest, AWordWithTwoDefinitionsShowsBothFromItsStores) {
  load({{"abbaye", 0, -1, ""},
        {"chiner", 1, 0, ""},
        {"nicher", 1, 0, ""},
        {"marche", 1, -1, "Action de marcher."},
        {"marché", 1, -1, "Lieu public de vente."}});
  engine().Button1Click();
  findAll();
  engine().Button1Click();
  ASSERT_EQ(state().drawKind, kSingleWordDraw);
  ASSERT_EQ(state().rowWords[0], "MARCHE");
  engine().def1Click();  // Ctrl+D: the draw's one row
  EXPECT_EQ(row(1).definition.lines, (Words{"Action de ......r.", "Lieu public de vente."}));
  EXPECT_EQ(row(1).definition.maskedTexts, "#Action de ......r.#Lieu public de vente.");
  EXPECT_EQ(row(1).definition.tag, 2 * 19);
  EXPECT_TRUE(row(1).bookEnabled);
  type("MARCHE");
  const Words full = {"marche, n. m. : Action de marcher.",
                      toWin1252("marché, n. m. : Lieu public de vente.")};
  EXPECT_EQ(row(1).definition.lines, full);
  EXPECT_EQ(row(1).definition.fullTexts, "#" + full[0] + "#" + full[1]);
  engine().SpeedButtonMouseDown(1);
  ASSERT_TRUE(view().memo15.visible);
  EXPECT_EQ(view().memo15.definition.lines, full);
}

// A relayout takes the new rows, tiles and line height, and every definition seen so far
// re-flows for the new width: its book opens or closes with its line count. A definition
// never shown keeps its closed book; the enlarged one lies over the new rows.
TEST_F(HintsTest, ARelayoutReflowsTheSeenDefinitionsOnly) {
  startAliens();              // ALIENS, row 5: 38 characters
  engine().def1Click();       // SALIEN: 27 characters
  engine().askDefinition(4);  // LIANES: 110 characters
  ASSERT_FALSE(row(1).bookEnabled);
  const RowView unseen[] = {row(2), row(3)};
  const std::vector<std::string> texts[] = {row(1).definition.lines, row(4).definition.lines,
                                             row(5).definition.lines};

  MainWindowLayout large = relayoutMainWindow({true, false}, 1024, kFormWidth, false);
  large.lineHeight = 17;
  port_.lineWidth = 20;
  engine().setLayout(large);
  EXPECT_EQ(state().rowHeight, 26);
  EXPECT_EQ(state().lineHeight, 17);
  EXPECT_EQ(view().rowTileSize, 26);
  EXPECT_EQ(view().windowHeight, 186 + 26 * 6 - 5);
  const int lines[] = {2, 6, 2};  // rows 1, 4 and 5, 20 characters a line
  const int seen[] = {1, 4, 5};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(seen[i]);
    const RowView& r = row(seen[i]);
    EXPECT_EQ(r.definition.tag, lines[i] * 17);
    EXPECT_TRUE(r.bookEnabled);
    EXPECT_EQ(r.book, BookPicture::livouv);
    EXPECT_EQ(r.definition.lines, texts[i]) << "the same text, in the new width";
  }
  EXPECT_TRUE(row(2) == unseen[0]);
  EXPECT_TRUE(row(3) == unseen[1]);
  // Row 4's box is at 227 and row 5's at 253: six lines end 2 pixels below row 5's line.
  engine().SpeedButtonMouseDown(4);
  ASSERT_TRUE(view().memo15.visible);
  EXPECT_EQ(view().memo15.height, 6 * 17 + 2);
  EXPECT_EQ(view().memo15.top, 253 + 17 + 2 - 104);
  engine().SpeedButtonMouseUp(4);

  // Back to the usual window: SALIEN's definition holds on one line again.
  port_.lineWidth = 40;
  engine().setLayout(relayoutMainWindow({}, 1024, kFormWidth, false));
  EXPECT_EQ(state().rowHeight, 20);
  EXPECT_EQ(row(1).definition.tag, 19);
  EXPECT_FALSE(row(1).bookEnabled);
  EXPECT_EQ(row(1).book, BookPicture::livouv2);
  EXPECT_EQ(row(4).definition.tag, 3 * 19);
  EXPECT_TRUE(row(4).bookEnabled);
  EXPECT_TRUE(row(2) == unseen[0]);
}

// Rows are 1 to 14: a press or a release given another number changes nothing.
// An enlarged definition that a wider layout brings onto one line still closes with Ctrl+W.
TEST_F(HintsTest, AnEnlargedDefinitionReflowedOntoOneLineStillCloses) {
  startAliens();
  engine().askDefinition(4);  // LIANES: 110 characters
  engine().pressBook(4);
  ASSERT_TRUE(view().memo15.visible);
  port_.lineWidth = 200;
  engine().setLayout(relayoutMainWindow({}, 1024, kFormWidth, false));
  ASSERT_FALSE(row(4).bookEnabled);
  engine().montredef1Click();
  EXPECT_FALSE(view().memo15.visible);
}

// A click on the first row's book, released there, shows its definition.
TEST_F(HintsTest, AClickOnTheFirstBookShowsItsDefinition) {
  startAliens();
  engine().SpeedButtonMouseUp(1);
  EXPECT_EQ(row(1).bookTag, 1);
  EXPECT_EQ(row(1).definition.lines, Words{"Relatif aux Francs ......s."});
  EXPECT_FALSE(row(1).bookEnabled);
  type("SALIEN");
  EXPECT_TRUE(row(1).bookEnabled) << "the plain form, headword first, takes two lines";
}

// The last of the fourteen rows is a row like the others.
TEST_F(HintsTest, TheFourteenthRowsBookShowsAndEnlargesItsDefinition) {
  std::vector<GameWord> words = {{"abbaye", 0, -1, ""}, {"tortue", 1, -1, ""}};
  addChain(words, "aegnor", 14, 0, "Un mot de la chaîne, dont la définition prend deux lignes.");
  load(words);
  engine().Button1Click();
  ASSERT_EQ(state().rowCount, 14);
  engine().SpeedButtonMouseDown(14);  // the starting word's, shown from the start
  EXPECT_TRUE(view().memo15.visible);
  EXPECT_EQ(state().enlargedRow, 14);
  engine().SpeedButtonMouseUp(14);
  EXPECT_FALSE(view().memo15.visible);
  engine().SpeedButtonMouseUp(13);
  EXPECT_EQ(row(13).bookTag, 1);
  port_.lineWidth = 200;  // a wider window: one line each
  engine().setLayout(relayoutMainWindow({}, 1024, kFormWidth, false));
  EXPECT_FALSE(row(14).bookEnabled);
}

TEST_F(HintsTest, ABookOrABoxOutsideTheRowsChangesNothing) {
  startAliens();
  engine().askDefinition(4);
  const GameState state0 = state();
  const MainViewModel view0 = view();
  for (int k : {0, 15, -1}) {
    SCOPED_TRACE(k);
    engine().MemoMouseUp(k);
    engine().SpeedButtonMouseDown(k);
    engine().SpeedButtonMouseUp(k);
    engine().releaseBook(k);
    engine().pressBook(k);
    engine().askDefinition(k);
    EXPECT_EQ(state(), state0);
    EXPECT_TRUE(view() == view0);
  }
  // Rows 6 to 14 hold no word in this draw: their books are hidden and take no press.
  engine().askDefinition(6);
  engine().SpeedButtonMouseUp(6);
  EXPECT_EQ(state(), state0);
  EXPECT_TRUE(view() == view0);
}

}  // namespace
}  // namespace vorlane::test
