#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Random.h"
#include "data/RecordFile.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "data/WordFileWriter.h"
#include "data/WordLists.h"
#include "data/WordRecord.h"
#include "support/TempFolder.h"
#include "support/WordSetBuilder.h"

namespace vorlane {
namespace {

using test::TempFolder;
using test::WordSetBuilder;

class WordListsTest : public ::testing::Test {
 protected:
  std::vector<DataSetWord> write(const WordSetBuilder& builder) {
    return builder.write(temp.dataFolder());
  }
  std::vector<std::string> texts(const AnagramSet& set) {
    std::vector<std::string> out;
    for (const auto& e : set) {
      if (!e.text.empty()) out.push_back(win1252ToUtf8(e.text));
    }
    return out;
  }

  TempFolder temp;
  DataFolder folder{temp.path()};
  std::vector<std::string> warnings;
  WordLists words{folder, [this](const std::string& w) { warnings.push_back(w); }};
};

// Many filler words so that the search halves its range before it scans.
WordSetBuilder& fillers(WordSetBuilder& b, char letter, int count) {
  for (int i = 0; i < count; ++i) {
    std::string w(1, letter);
    w += static_cast<char>('A' + i / 26);
    w += static_cast<char>('a' + i % 26);
    w += "xxx";
    b.word(w, 1);
  }
  return b;
}

TEST_F(WordListsTest, FindWordGivesTheFirstOfSeveralHomographs) {
  WordSetBuilder b;
  fillers(b, 'm', 200);
  b.word("Marche", 0).word("marche", 2).word("marché", 3);
  auto ordered = write(b);
  int first = test::recordOf(ordered, "Marche");
  ASSERT_GE(first, 0);
  EXPECT_EQ(words.findWord("MARCHE"), first);
  EXPECT_EQ(words.findWord("MZZZZZ"), -1);
  EXPECT_EQ(words.findWord("ABSENT"), -1);
}

TEST_F(WordListsTest, FindWordBacksUpTenRecordsFromAHitWhileHalving) {
  // 64 words of "M" (records 0..63): the halving reads record 32 first. Homographs of
  // "MARCHE" stand on records `first` to 40.
  struct Case {
    int first;
    int found;
  };
  for (const Case c : {Case{20, 22}, Case{22, 22}, Case{25, 25}, Case{33, 33}}) {
    WordSetBuilder b;
    for (int i = 0; i < c.first; ++i) {
      b.word(std::string("maa") + static_cast<char>('a' + i / 26) +
             static_cast<char>('a' + i % 26) + "x");
    }
    for (int i = c.first; i <= 40; ++i) b.word(i % 2 == 0 ? "marche" : "marché");
    for (int i = 41; i < 64; ++i)
      b.word(std::string("mz") + static_cast<char>('a' + i - 41) + "xxx");
    write(b);
    EXPECT_EQ(words.findWord("MARCHE"), c.found) << "homographs from record " << c.first;
  }
}

TEST_F(WordListsTest, FindWordReachesZWordsAndTheAppendix) {
  WordSetBuilder b;
  fillers(b, 'z', 60);
  b.word("zygote", 2).appendixWord("abaque", 4).appendixWord("zénith", 5);
  auto ordered = write(b);
  EXPECT_EQ(words.letterIndex("fin"), static_cast<int>(ordered.size()) - 2);
  EXPECT_EQ(words.findWord("ZYGOTE"), test::recordOf(ordered, "zygote"));
  EXPECT_EQ(words.findWord("ABAQUE"), test::recordOf(ordered, "abaque"));
  EXPECT_EQ(words.findWord("ZENITH"), test::recordOf(ordered, "zénith"));
}

TEST_F(WordListsTest, LetterIndexPointsAtTheFirstWordOfEachLetter) {
  auto ordered = write(WordSetBuilder().word("balade").word("abimer").word("dorade"));
  EXPECT_EQ(words.letterIndex("A"), 0);
  EXPECT_EQ(words.letterIndex("b"), 1);
  EXPECT_EQ(words.letterIndex("C"), 2);  // no word: where it would stand
  EXPECT_EQ(words.letterIndex("D"), 2);
  EXPECT_EQ(words.letterIndex("fin"), 3);
}

TEST_F(WordListsTest, AnagramSetsFollowTheChainFromTheWordAsked) {
  const auto ordered = write(WordSetBuilder()
            .word("abaque")
            .word("chiner", 1, 7)
            .word("chenir", 3, 7)
            .word("nicher", 2, 7)
            .word("solide", 1));
  AnagramSet set;
  for (const char* asked : {"CHINER", "CHENIR", "NICHER"}) {
    EXPECT_EQ(words.loadAnagramSet(asked, set, false), 3) << asked;
    EXPECT_EQ(set[0].text, asked);
  }
  EXPECT_EQ(texts(set), (std::vector<std::string>{"NICHER", "CHENIR", "CHINER"}));
  EXPECT_EQ(set[1].levelOrKind, 3);
  EXPECT_EQ(words.loadAnagramSet("SOLIDE", set, false), 1);
  EXPECT_EQ(words.loadAnagramSet("ABSENT", set, false), 0);

  // A damaged record in small letters still gives the word asked, as the player types it.
  RecordFile anagrams(temp.dataFolder() / "Azlana.666", kWordRecordSize,
                      RecordFile::Mode::ReadWrite);
  const int chiner = test::recordOf(ordered, "chiner");
  WordRecord damaged = WordRecord::decode(anagrams.read(chiner));
  damaged.stored = "chiner";
  anagrams.write(chiner, damaged.encode());
  EXPECT_EQ(words.loadAnagramSet("CHINER", set, false), 3);
  EXPECT_EQ(set[0].text, "CHINER");
}

// An appendix word whose plain form a sorted record already has joins its class through
// that record, which takes its place in record order.
TEST_F(WordListsTest, AnAppendixWordJoinsItsClassThroughTheSortedRecordOfItsForm) {
  write(WordSetBuilder()
            .word("abaque")
            .word("clinos", 1, 7)
            .word("colins", 2)
            .word("nicols", 1, 7)
            .appendixWord("Colins", 0, 7));
  AnagramSet set;
  EXPECT_EQ(words.loadAnagramSet("CLINOS", set, false), 3);
  EXPECT_EQ(texts(set), (std::vector<std::string>{"CLINOS", "COLINS", "NICOLS"}));

  // No link can name record 0: a homograph of it joins no class, not even through itself.
  write(WordSetBuilder().word("abaque").word("baquea", 1, 9).appendixWord("Abaque", 0, 9));
  EXPECT_EQ(words.loadAnagramSet("BAQUEA", set, false), 1);
}

TEST_F(WordListsTest, AChainOfMoreThanFifteenWordsKeepsFifteenAndWarns) {
  WordSetBuilder b;
  for (int i = 0; i < 17; ++i) b.word(std::string("abc") + static_cast<char>('a' + i) + "ef", 1, 1);
  write(b);
  AnagramSet set;
  EXPECT_EQ(words.loadAnagramSet("ABCBEF", set, false), 15);
  EXPECT_EQ(warnings, std::vector<std::string>{">15"});
}

TEST_F(WordListsTest, ProperNounFilterDropsWordsThatAreOnlyNames) {
  write(WordSetBuilder()
            .word("Aarhus", 0)
            .word("abaque")
            .word("Nicole", 0, 3)
            .word("Colins", 0)
            .word("colins", 2, 3)
            .word("cloner", 1, 4)
            .word("Lorenc", 0, 4)
            .word("Zanzib", 0)
            .word("zozote", 1));
  EXPECT_TRUE(words.isProperNounOnly("AARHUS")) << "the first record of the file";
  EXPECT_TRUE(words.isProperNounOnly("NICOLE"));
  EXPECT_TRUE(words.isProperNounOnly("ZANZIB")) << "Z is a capital too";
  EXPECT_FALSE(words.isProperNounOnly("ZOZOTE"));
  EXPECT_FALSE(words.isProperNounOnly("COLINS"));  // also a common word
  EXPECT_FALSE(words.isProperNounOnly("ABSENT"));
  AnagramSet set;
  EXPECT_EQ(words.loadAnagramSet("COLINS", set, true), 1);
  EXPECT_EQ(texts(set), std::vector<std::string>{"COLINS"});
  EXPECT_EQ(words.loadAnagramSet("COLINS", set, false), 2);
  EXPECT_EQ(words.loadAnagramSet("AARHUS", set, false), 1);
  EXPECT_EQ(texts(set), std::vector<std::string>{"AARHUS"});
}

TEST_F(WordListsTest, ProperNounOnlyIsFoundInTheAppendix) {
  write(WordSetBuilder().word("aaaaaa").word("cloner", 1, 4).appendixWord("Lorenc", 0, 4));
  EXPECT_TRUE(words.isProperNounOnly("LORENC"));
  AnagramSet set;
  EXPECT_EQ(words.loadAnagramSet("CLONER", set, true), 1);
  EXPECT_EQ(words.loadAnagramSet("LORENC", set, false), 2);
}

// Words at every level from 0 to 6 and a class of two: from each random start the forward
// scan takes the first word its rule names, the fall-back the first word of levels 1 to L.
TEST_F(WordListsTest, SingleWordDrawTakesTheLevelsItsRuleNamesAtEveryThreshold) {
  write(WordSetBuilder()
            .word("abaque", 1)
            .word("chiner", 1, 1)
            .word("nicher", 1, 1)
            .word("pirate", 0)
            .word("quatre", 4)
            .word("rapide", 1)
            .word("sixain", 6)
            .word("tribun", 3)
            .word("violon", 5)
            .word("zygote", 2));
  Random random(1);
  std::set<std::string> one, two, junior, senior;
  for (int i = 0; i < 60; ++i) {
    one.insert(words.drawSingleWord(1, false, false, random));
    two.insert(words.drawSingleWord(2, false, true, random));
    junior.insert(words.drawSingleWord(2, true, true, random));
    senior.insert(words.drawSingleWord(5, true, false, random));
  }
  // Below the top level: level 1 to L, never 0 nor a word with anagrams.
  EXPECT_EQ(one, (std::set<std::string>{"ABAQUE", "RAPIDE"}));
  EXPECT_EQ(two, (std::set<std::string>{"ABAQUE", "RAPIDE", "ZYGOTE"}));
  // Top level, Junior: level 2 exactly; Senior: level 3 or more, whatever L.
  EXPECT_EQ(junior, std::set<std::string>{"ZYGOTE"});
  EXPECT_EQ(senior, (std::set<std::string>{"QUATRE", "SIXAIN", "TRIBUN", "VIOLON"}));
  // Only level 3 above level 2: a Senior at the top level still draws it.
  write(WordSetBuilder().word("abaque", 1).word("rapide", 2).word("tribun", 3).word("zygote", 1));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(words.drawSingleWord(5, true, false, random), "TRIBUN");
  // No level 2 for a Junior at the top, no level 3 or more for a Senior: the fall-back takes
  // the first word of levels 1 to L from record 0, whatever the flag and the class.
  write(WordSetBuilder().word("abaque", 0).word("bateau", 2).word("cachou", 1).word("zozote", 0));
  EXPECT_EQ(words.drawSingleWord(5, true, false, random), "BATEAU");
  write(WordSetBuilder().word("abaque", 0).word("bateau", 3).word("cachou", 1).word("zozote", 0));
  EXPECT_EQ(words.drawSingleWord(2, true, true, random), "CACHOU");
  EXPECT_EQ(words.drawSingleWord(3, true, true, random), "BATEAU");
  EXPECT_EQ(words.drawSingleWord(6, false, false, random).size(), 6u);
}

TEST_F(WordListsTest, DrawsNeverStartOnTheLastRecordButReachIt) {
  write(WordSetBuilder().word("alpha1", 0).word("chiner", 0, 1).word("cloner", 0, 9)
            .word("colins", 0, 9).word("nicher", 0, 1));
  Random random(5);
  std::set<std::string> drawn;
  for (int i = 0; i < 60; ++i) drawn.insert(words.drawAnagramWord(random));
  EXPECT_EQ(drawn, (std::set<std::string>{"CHINER", "CLONER", "COLINS"}));
  write(WordSetBuilder().word("aaaaaa", 0).word("zzzzzz", 4));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(words.drawSingleWord(6, false, false, random), "ZZZZZZ");
  write(WordSetBuilder().word("zzzzzz", 4));
  EXPECT_EQ(words.drawSingleWord(6, false, false, random), "ZZZZZZ") << "a list of one word";
  EXPECT_EQ(words.drawAnagramWord(random), "");
}

TEST_F(WordListsTest, DamagedFilesEndWithAnErrorNotALoop) {
  write(WordSetBuilder().word("chiner", 1, 1).word("nicher", 1, 1));
  // A link pointing past the end of the file.
  std::string azlana = temp.readFile("Zari666/Azlana.666");
  azlana[13] = 50;
  temp.writeFile("Zari666/Azlana.666", azlana);
  AnagramSet set;
  EXPECT_THROW(words.loadAnagramSet("CHINER", set, false), IoError);
  // A link back into the middle of the chain never closes: the walk stops at fifteen.
  azlana[13] = 1;
  azlana[14 + 13] = 1;
  temp.writeFile("Zari666/Azlana.666", azlana);
  EXPECT_EQ(words.loadAnagramSet("CHINER", set, false), 15);
  // A link of 2^31 or more names no record.
  azlana.replace(10, 4, "\xFF\xFF\xFF\xF0");
  temp.writeFile("Zari666/Azlana.666", azlana);
  EXPECT_THROW(words.loadAnagramSet("CHINER", set, false), IoError);
  // A truncated letter index.
  temp.writeFile("Zari666/Prefn.666", "\0\0");
  EXPECT_THROW(words.findWord("CHINER"), IoError);
}

TEST_F(WordListsTest, LoopingChainWarnsOnceUntilTheNextDraw) {
  write(WordSetBuilder().word("abaque").word("chiner", 1, 1).word("nicher", 1, 1));
  std::string azlana = temp.readFile("Zari666/Azlana.666");
  azlana[14 * 2 + 13] = 2;  // NICHER links to itself: the chain never comes back to CHINER
  temp.writeFile("Zari666/Azlana.666", azlana);
  AnagramSet set;
  for (int attempt = 0; attempt < 50; ++attempt) words.loadAnagramSet("CHINER", set, false);
  EXPECT_EQ(warnings, std::vector<std::string>{">15"});
  words.rearmWarning();
  words.loadAnagramSet("CHINER", set, false);
  EXPECT_EQ(warnings.size(), 2u);
}

TEST_F(WordListsTest, RecordsWithoutLettersAreNeverDrawn) {
  write(WordSetBuilder()
            .word("abaque", 0)
            .word("chiner", 1, 1)
            .word("elfine", 2)
            .word("nicher", 1, 1)
            .word("oxydes", 2)
            .word("tigres", 0)
            .word("violon", 2));
  // Records 2 and 4 lose their letters but keep a link and a level.
  std::string azlana = temp.readFile("Zari666/Azlana.666");
  for (int r : {2, 4}) {
    azlana[static_cast<std::size_t>(14 * r)] = 0;
    azlana[static_cast<std::size_t>(14 * r + 13)] = 3;
  }
  azlana[14 * 4 + 13] = 0;
  temp.writeFile("Zari666/Azlana.666", azlana);
  Random random(11);
  for (int i = 0; i < 40; ++i) {
    const std::string anagram = words.drawAnagramWord(random);
    EXPECT_TRUE(anagram == "CHINER" || anagram == "NICHER") << anagram;
    EXPECT_EQ(words.drawSingleWord(2, false, false, random), "VIOLON");
  }
}

TEST_F(WordListsTest, RecentListsDropTheOldestAndSurviveASaveAndALoad) {
  RecentDraws recent;
  EXPECT_TRUE(recent.isRecentSingle(0));  // empty slots hold 0
  for (int i = 1; i <= 101; ++i) recent.pushRecentSingle(i);
  EXPECT_FALSE(recent.isRecentSingle(1));
  EXPECT_TRUE(recent.isRecentSingle(2));
  EXPECT_FALSE(recent.isRecentSingle(0));
  EXPECT_EQ(recent.single()[0], 101);
  for (int i = 1; i <= 200; ++i) recent.pushRecentAnagram(1000 + i);
  EXPECT_TRUE(recent.isRecentAnagram(1001));
  recent.pushRecentAnagram(7);
  EXPECT_FALSE(recent.isRecentAnagram(1001));

  temp.writeFile("Zari666/Prefint.666", std::string(4 * 400, '\0'));
  folder.setWritable(true);
  recent.saveRecentDraws(folder);
  RecentDraws loaded;
  loaded.loadRecentDraws(folder);
  EXPECT_EQ(loaded, recent);
  std::string bytes = temp.readFile("Zari666/Prefint.666");
  EXPECT_EQ(bytes.substr(400, 4), std::string("\x65\0\0\0", 4));  // record 100 = 101

  folder.setWritable(false);
  RecentDraws other;
  other.pushRecentSingle(55);
  other.saveRecentDraws(folder);
  loaded.loadRecentDraws(folder);
  EXPECT_EQ(loaded, recent);
}

// The letter index numbers records in 16 bits: 65,535 words are the most a data set holds.
TEST_F(WordListsTest, ADataSetHoldsAtMost65535Words) {
  std::vector<DataSetWord> many(65536, DataSetWord{"abcdef"});
  EXPECT_THROW(writeWordFiles(temp.path(), many), WordDataError);
  EXPECT_FALSE(temp.exists(std::string(kWordFile)));
  many.pop_back();
  writeWordFiles(temp.path(), many);
  EXPECT_EQ(temp.readFile(std::string(kWordFile)).size(), 65535u * kWordRecordSize);
  EXPECT_EQ(words.letterIndex("B"), 65535) << "every word under A: B starts at the end, both bytes";
}

// The word file holds one to eight letters, each with a stored byte of its own.
TEST_F(WordListsTest, SpellingsTheWordFileCannotHoldAreRefused) {
  const std::pair<const char*, const char*> refusals[] = {
      {"", "spelling must have 1 to 8 letters: "},
      {"abcdefghi", "spelling must have 1 to 8 letters: abcdefghi"},
      {"abÎmer", "spelling cannot be stored: abÎmer"},  // Î has no stored byte
  };
  for (const auto& [spelling, message] : refusals) {
    try {
      writeWordFiles(temp.path(), {DataSetWord{toWin1252(spelling)}});
      ADD_FAILURE() << spelling << " was written";
    } catch (const WordDataError& refusal) {
      EXPECT_STREQ(refusal.what(), message);
    }
  }
  writeWordFiles(temp.path(), {DataSetWord{"abcdefgh"}, DataSetWord{"a"}});
  EXPECT_EQ(words.findWord("ABCDEFGH"), 0) << "eight letters, the most";
}

// Two games started at two moments draw differently.
TEST(RandomTest, TheClockSeedsEachStartDifferently) {
  Random first(1);
  Random second(1);
  first.seedFromClock();
  std::this_thread::sleep_for(std::chrono::milliseconds(2));
  second.seedFromClock();
  std::vector<std::int64_t> firstDraws;
  std::vector<std::int64_t> secondDraws;
  for (int i = 0; i < 4; ++i) {
    firstDraws.push_back(first.uniform(0, 1'000'000));
    secondDraws.push_back(second.uniform(0, 1'000'000));
  }
  EXPECT_NE(firstDraws, secondDraws);
}

TEST_F(WordListsTest, RecentListsFallBackToTheFactoryCopyThenToZeros) {
  RecentDraws recent;
  recent.pushRecentSingle(9);
  recent.pushRecentAnagram(7);
  recent.loadRecentDraws(folder);
  EXPECT_EQ(recent, RecentDraws());
  std::string factory(4 * 400, '\0');
  factory[4 * 200] = 42;
  temp.writeFile("Zari666/NSCO.666", factory);
  recent.loadRecentDraws(folder);
  EXPECT_EQ(recent.anagram()[0], 42);
}

}  // namespace
}  // namespace vorlane
