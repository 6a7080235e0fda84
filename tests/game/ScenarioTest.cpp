#include <algorithm>
#include <cctype>
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
      EXPECT_FALSE(row(k).bookPressed);
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
  // The last row, the starting word's, takes a press on its book like any other.
  engine().pressBook(14);
  EXPECT_EQ(state().enlargedRow, 14);
  engine().releaseBook(14);
  engine().def1Click();  // Ctrl+D: row 1, the first not seen
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
  // The ended game's gain went into its score: the next game banks none of it.
  engine().Button1Click();
  EXPECT_EQ(state().score, 0);
  EXPECT_EQ(state().reserve, 66);
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

  // The draw ends with the book still held down: the next draw starts with every book up.
  for (const char* word : {"SALIEN", "SALINE", "SILANE"}) type(word);
  ASSERT_FALSE(state().drawActive);
  ASSERT_TRUE(row(lianes).bookPressed);
  engine().Button1Click();
  expectFreshRows(1);
}


// The whole view field by field, so that a failure names what drifted.
void expectView(const MainViewModel& actual, const MainViewModel& expected) {
  for (int k = 1; k <= kRowCount; ++k) {
    SCOPED_TRACE("row " + std::to_string(k));
    const RowView& a = actual.rows[static_cast<std::size_t>(k - 1)];
    const RowView& e = expected.rows[static_cast<std::size_t>(k - 1)];
    EXPECT_EQ(a.input.text(), e.input.text());
    EXPECT_EQ(a.input.tileIndex(), e.input.tileIndex());
    EXPECT_EQ(a.inputColour, e.inputColour);
    EXPECT_EQ(a.valueCaption, e.valueCaption);
    EXPECT_EQ(a.panelColour, e.panelColour);
    EXPECT_EQ(a.panelBold, e.panelBold);
    EXPECT_EQ(a.visible, e.visible);
    EXPECT_EQ(a.book, e.book);
    EXPECT_EQ(a.bookTag, e.bookTag);
    EXPECT_EQ(a.bookEnabled, e.bookEnabled);
    EXPECT_EQ(a.bookPressed, e.bookPressed);
    EXPECT_EQ(a.definition.lines, e.definition.lines);
    EXPECT_EQ(a.definition.tag, e.definition.tag);
    EXPECT_EQ(a.definition.fullTexts, e.definition.fullTexts);
    EXPECT_EQ(a.definition.maskedTexts, e.definition.maskedTexts);
  }
  EXPECT_EQ(actual.memo15, expected.memo15);
  EXPECT_EQ(actual.keyb1.row.text(), expected.keyb1.row.text());
  EXPECT_EQ(actual.keyb1.row.tileIndex(), expected.keyb1.row.tileIndex());
  EXPECT_EQ(actual.keyb1.visible, expected.keyb1.visible);
  EXPECT_EQ(actual.keyb2.row.text(), expected.keyb2.row.text());
  EXPECT_EQ(actual.keyb2.row.tileIndex(), expected.keyb2.row.tileIndex());
  EXPECT_EQ(actual.keyb2.visible, expected.keyb2.visible);
  EXPECT_EQ(actual.motVisible, expected.motVisible);
  EXPECT_EQ(actual.motEyeVisible, expected.motEyeVisible);
  EXPECT_EQ(actual.finVisible, expected.finVisible);
  EXPECT_EQ(actual.finEyeVisible, expected.finEyeVisible);
  EXPECT_EQ(actual.hintVisible, expected.hintVisible);
  EXPECT_EQ(actual.hintColumn, expected.hintColumn);
  EXPECT_EQ(actual.modeBoxVisible, expected.modeBoxVisible);
  EXPECT_EQ(actual.clockCaption, expected.clockCaption);
  EXPECT_EQ(actual.clockVisible, expected.clockVisible);
  EXPECT_EQ(actual.reserveCaption, expected.reserveCaption);
  EXPECT_EQ(actual.scoreCaption, expected.scoreCaption);
  EXPECT_EQ(win1252ToUtf8(actual.statusText), win1252ToUtf8(expected.statusText));
  EXPECT_EQ(actual.definitionEntry, expected.definitionEntry);
  EXPECT_EQ(actual.enlargeEntry, expected.enlargeEntry);
  EXPECT_EQ(actual.letterEntry, expected.letterEntry);
  EXPECT_EQ(actual.solutionList, expected.solutionList);
  EXPECT_EQ(actual.windowHeight, expected.windowHeight);
  EXPECT_EQ(actual.timerRunning, expected.timerRunning);
  EXPECT_EQ(actual.focus, expected.focus);
  EXPECT_EQ(actual.cursor, expected.cursor);
  EXPECT_EQ(actual.title, expected.title);
}

std::string toLower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TileRow tiles(const std::string& text, int index) {
  TileRow row;
  row.setText(text);
  row.setTileIndex(index);
  return row;
}

// One draw step by step: after every step the whole state and the whole view are what the
// step before left, changed only where the rules say.
TEST_F(ScenarioTest, EachStepOfADrawChangesWhatItsRuleSaysAndNothingElse) {
  load(aliensSet());
  seed = kAliensSeed;
  std::vector<CursorShape> cursorAtRepaint;
  port_.onRepaint = [&] { cursorAtRepaint.push_back(view().cursor); };
  GameState s;
  s.soundAvailable = true;
  MainViewModel v;
  EXPECT_EQ(state(), s);
  expectView(view(), v);

  // MOT !: an anagram draw of ALIENS at level 1, its starting word last and defined.
  engine().Button1Click();
  s.drawWord = s.drawLetters = "ALIENS";
  s.hintCaption = toWin1252("Première lettre");
  s.drawActive = true;
  s.rowCount = 5;
  s.rowWords = {"SALIEN", "SALINE", "SILANE", "LIANES", "ALIENS"};
  s.lastShownRow = 5;
  s.enterAction = kNoAction;
  EXPECT_EQ(state(), s);
  for (int k = 1; k <= 4; ++k) {
    v.rows[static_cast<std::size_t>(k - 1)].visible = true;
    v.rows[static_cast<std::size_t>(k - 1)].input = tiles("      ", 0);
  }
  RowView& start = v.rows[4];
  start.visible = true;
  start.input = tiles("ALIENS", 0);
  start.valueCaption = "0";
  start.panelColour = kRed;
  start.book = BookPicture::livouv2;
  start.bookTag = 1;
  start.bookEnabled = false;
  start.definition.lines = {"aliens, n. m. : Venu d'un autre monde."};
  start.definition.tag = 19;
  start.definition.fullTexts = start.definition.maskedTexts = "#" + start.definition.lines[0];
  v.keyb1 = {tiles("ALIENS", 0), true};
  v.keyb2 = {TileRow{}, true};
  v.motVisible = v.motEyeVisible = v.modeBoxVisible = false;
  v.hintVisible = true;
  v.statusText = toWin1252(" Bouton droit de la souris pour accéder au menu.");
  v.definitionEntry.enabled = v.enlargeEntry.enabled = true;
  v.letterEntry = {toWin1252("Première lettre"), true};
  v.solutionList = {"ALIENS", "LIANES", "SALIEN", "SALINE", "SILANE"};
  v.windowHeight = mainWindowHeight(20, 5);
  v.timerRunning = true;
  v.focus = Focus::upperKeyboard;
  expectView(view(), v);
  EXPECT_EQ(port_.sounds, Words{"gagne.wav"});
  EXPECT_EQ(port_.cursors, (std::vector<CursorShape>{CursorShape::hourglass, CursorShape::normal}));
  EXPECT_EQ(cursorAtRepaint, std::vector<CursorShape>{CursorShape::hourglass})
      << "the window shows the hourglass while the draw is chosen";
  EXPECT_EQ(port_.relayouts, 1);
  EXPECT_EQ(port_.repositions, 1);

  // Three seconds: the reserve and the clock's count, nothing else.
  ticks(3);
  s.elapsed = 3;
  s.reserve = 63;
  EXPECT_EQ(state(), s);
  v.reserveCaption = "63";
  v.clockCaption = "00:03";
  expectView(view(), v);

  // The definition of SALINE (two lines): its value falls to 36 and its book opens.
  engine().askDefinition(2);
  s.lastShownRow = 2;
  EXPECT_EQ(state(), s);
  RowView& saline = v.rows[1];
  saline.valueCaption = "36";
  saline.book = BookPicture::livouv;
  saline.bookTag = 1;
  saline.definition = row(2).definition;
  EXPECT_EQ(saline.definition.lines, Words{toWin1252("Marais où l'on recueille le sel de la mer.")});
  EXPECT_EQ(saline.definition.tag, 2 * 19);
  expectView(view(), v);

  // SALIEN found: 66 won, FIN ! offered, the letters back in draw order.
  port_.sounds.clear();
  type("SALIEN");
  s.enteredWord = "SALIEN";
  s.foundCount = 1;
  s.drawGain = 66;
  s.enterAction = kEndDrawAction;
  EXPECT_EQ(state(), s);
  RowView& salien = v.rows[0];
  salien.input = tiles("SALIEN", 0);
  salien.inputColour = salien.panelColour = kRed;
  salien.panelBold = true;
  salien.book = BookPicture::livouv;  // two lines of 40
  salien.bookTag = 1;
  salien.definition.lines = {"salien, n. m. : Relatif aux Francs saliens."};
  salien.definition.tag = 2 * 19;
  salien.definition.fullTexts = salien.definition.maskedTexts = "#" + salien.definition.lines[0];
  v.finVisible = v.finEyeVisible = true;
  v.statusText = toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 66 points.");
  v.keyb2.row = tiles("", -1);
  expectView(view(), v);
  EXPECT_EQ(port_.sounds, (Words{"btn.wav", "btn.wav", "btn.wav", "btn.wav", "btn.wav", "btn.wav",
                                 "Inter.wav"}));
  for (int k = 0; k < s.rowCount; ++k) {
    const TableauNivAd& entry = engine().anagramSet()[static_cast<std::size_t>(k)];
    EXPECT_EQ(entry.recordNumber, static_cast<std::int32_t>(recordOf(toLower(entry.text))));
    EXPECT_TRUE(recent_.isRecentAnagram(entry.recordNumber)) << entry.text;
  }

  // FIN !: the unfound words shown at 0 with their definitions, MOT ! offered, the gain kept.
  port_.sounds.clear();
  engine().Button1Click();
  s.drawKind = kSingleWordDraw;
  s.drawActive = false;
  s.enterAction = kStartDrawAction;
  EXPECT_EQ(state(), s);
  saline.input = tiles("SALINE", 0);
  saline.valueCaption = "0";
  saline.definition.lines = saline.definition.fullTexts.empty()
                                ? Words{}
                                : Words{saline.definition.fullTexts.substr(1)};
  // Rows 3 and 4, never found, show their word and their plain definition, seen once.
  const auto shownUnfound = [&](int k, const char* word) -> RowView& {
    RowView& r = v.rows[static_cast<std::size_t>(k - 1)];
    r.input = tiles(word, 0);
    r.valueCaption = "0";
    r.bookTag = 1;
    r.book = BookPicture::livouv;
    r.definition = row(k).definition;
    return r;
  };
  const RowView& silane = shownUnfound(3, "SILANE");
  EXPECT_EQ(silane.definition.lines,
            Words{toWin1252("silane, n. m. : Composé de silicium et d'hydrogène.")});
  EXPECT_EQ(silane.definition.tag, 2 * 19);
  EXPECT_EQ(shownUnfound(4, "LIANES").definition.tag, 4 * 19);
  v.timerRunning = false;
  v.finVisible = v.finEyeVisible = false;
  v.motVisible = v.motEyeVisible = true;
  v.clockVisible = true;
  v.keyb1.visible = v.keyb2.visible = false;
  v.hintVisible = false;
  v.definitionEntry.enabled = v.letterEntry.enabled = false;
  v.focus = Focus::firstInputBox;
  v.statusText = toWin1252(" MOT ! ou Entrée pour continuer. Gain mot courant : 66 points.");
  expectView(view(), v);
  EXPECT_EQ(port_.sounds, Words{"fin.wav"});

  // MOT !: the gain banked into score and reserve, a single-word draw laid out afresh.
  port_.sounds.clear();
  port_.waits.clear();
  engine().Button1Click();
  EXPECT_EQ(state().score, 66);
  EXPECT_EQ(state().reserve, 63 + 66);
  EXPECT_EQ(state().drawGain, 0);
  EXPECT_EQ(state().rowCount, 1);
  EXPECT_EQ(state().lastShownRow, 0);
  EXPECT_EQ(state().elapsed, 0);
  EXPECT_EQ(view().scoreCaption, "66");
  EXPECT_EQ(view().reserveCaption, "129");
  EXPECT_EQ(port_.sounds, (Words{"btn.wav", "gagne.wav"}));
  EXPECT_EQ(port_.waits, std::vector<int>{30});
  EXPECT_EQ(port_.relayouts, 1) << "a banked gain keeps the layout";
  for (int k = 1; k <= kRowCount; ++k) {
    SCOPED_TRACE("row " + std::to_string(k));
    EXPECT_EQ(row(k).input.text(), k == 1 ? "      " : "");
    RowView fresh;
    fresh.visible = k == 1;
    fresh.input = row(k).input;
    EXPECT_EQ(row(k), fresh);
  }
}

}  // namespace
}  // namespace vorlane::test
