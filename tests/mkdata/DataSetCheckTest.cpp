// Checks of the real data set that the build writes into the application folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <set>

#include "CleanText.h"
#include "DataSetDump.h"
#include "KeptOut.h"
#include "LittreEntry.h"
#include "Review.h"
#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/Definitions.h"
#include "data/RecordFile.h"
#include "data/TextCodec.h"
#include "data/WordForms.h"
#include "data/WordLists.h"
#include "data/WordRecord.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr int kTopLevel = 6;
constexpr std::size_t kMaxClass = 14;

class OneLinePerText : public LineMeasure {
 public:
  int lineCount(int, const std::string&) const override { return 1; }
};

class DataSetCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = VORLANE_DATA_FOLDER;
    if (!fs::is_directory(folder_)) {
      GTEST_SKIP() << "no data set at " << folder_ << " (built with VORLANE_BUILD_DATA=ON)";
    }
    RecordFile azl(folder_ / std::string(kWordFile), kWordRecordSize, RecordFile::Mode::Read);
    RecordFile azlana(folder_ / std::string(kAnagramFile), kWordRecordSize, RecordFile::Mode::Read);
    ASSERT_EQ(azl.recordCount(), azlana.recordCount());
    for (std::int64_t n = 0; n < azl.recordCount(); ++n) {
      words_.push_back(WordRecord::decode(azl.read(n)));
      anagrams_.push_back(WordRecord::decode(azlana.read(n)));
    }
  }

  std::uint32_t letterIndex(int record) const {
    RecordFile index(folder_ / std::string(kLetterIndexFile), kLetterIndexRecordSize,
                     RecordFile::Mode::Read);
    std::string bytes = index.read(record);
    return (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]);
  }

  // The records of the chain that starts at record n, in link order.
  std::vector<std::uint32_t> chainOf(std::uint32_t n) const {
    std::vector<std::uint32_t> chain{n};
    std::uint32_t next = anagrams_[n].linkOrAddress;
    while (next != n && chain.size() <= kMaxClass) {
      if (next >= anagrams_.size()) return {};
      chain.push_back(next);
      next = anagrams_[next].linkOrAddress;
    }
    return chain;
  }

  // Every anagram class once, as the records of its chain.
  std::vector<std::vector<std::uint32_t>> classes() const {
    std::vector<std::vector<std::uint32_t>> all;
    std::set<std::uint32_t> seen;
    for (std::uint32_t n = 0; n < anagrams_.size(); ++n) {
      if (anagrams_[n].linkOrAddress == 0 || seen.count(n)) continue;
      all.push_back(chainOf(n));
      seen.insert(all.back().begin(), all.back().end());
    }
    return all;
  }

  // The lines of every common word's definition in both forms, as the game shows them.
  struct Shown {
    std::string key;
    int level = 0;
    std::vector<std::string> full;
    std::vector<std::string> masked;
  };
  std::vector<Shown> shownWords() const {
    test::TempFolder program;
    fs::copy(folder_, program.dataFolder(), fs::copy_options::recursive);
    DataFolder data(program.path());
    WordLists lists(data);
    OneLinePerText measure;
    Definitions definitions(data, lists, measure);
    std::vector<Shown> shown;
    std::set<std::string> done;
    for (std::size_t n = 0; n < words_.size(); ++n) {
      if (words_[n].levelOrKind == 0 || !done.insert(words_[n].key()).second) continue;
      Shown word{words_[n].key(), anagrams_[n].levelOrKind, {}, {}};
      for (bool longForm : {true, false}) {
        DefinitionBox box;
        definitions.lookUpDefinitions(word.key, 1, longForm, box, 20);
        (longForm ? word.full : word.masked) = box.lines;
      }
      shown.push_back(std::move(word));
    }
    return shown;
  }

  fs::path folder_;
  std::vector<WordRecord> words_;
  std::vector<WordRecord> anagrams_;
};

TEST_F(DataSetCheckTest, RecordsAreSortedAndTheLetterIndexPointsAtEachFirstLetter) {
  ASSERT_GT(words_.size(), 3000u);
  EXPECT_EQ(letterIndex(kAppendixStartRecord), words_.size());  // no appendix
  for (std::size_t n = 0; n < words_.size(); ++n) {
    std::string key = words_[n].key();
    ASSERT_EQ(key.size(), 6u) << win1252ToUtf8(words_[n].display());
    ASSERT_TRUE(std::all_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
    EXPECT_EQ(anagrams_[n].stored, key);
    if (n > 0) {
      ASSERT_LE(words_[n - 1].key(), key) << "record " << n;
    }
  }
  for (char c = 'A'; c <= 'Z'; ++c) {
    std::size_t first = 0;
    while (first < words_.size() && words_[first].key()[0] < c) ++first;
    EXPECT_EQ(letterIndex(c - kLetterIndexOffset), first) << c;
  }
}

TEST_F(DataSetCheckTest, EveryLinkChainClosesOverOneClassOfAtMostFourteenWords) {
  std::set<std::uint32_t> seen;
  int chains = 0;
  for (std::uint32_t n = 0; n < anagrams_.size(); ++n) {
    if (anagrams_[n].linkOrAddress == 0 || seen.count(n)) continue;
    std::vector<std::uint32_t> chain = chainOf(n);
    ASSERT_GE(chain.size(), 2u) << "record " << n;
    ASSERT_LE(chain.size(), kMaxClass) << "record " << n << " does not close";
    std::string letters = anagrams_[n].stored;
    std::sort(letters.begin(), letters.end());
    std::set<std::string> keys;
    for (std::uint32_t member : chain) {
      std::string other = anagrams_[member].stored;
      EXPECT_TRUE(keys.insert(other).second) << "a plain form twice in a chain: " << other;
      std::sort(other.begin(), other.end());
      EXPECT_EQ(other, letters);
      seen.insert(member);
    }
    ++chains;
  }
  EXPECT_GE(chains, 300);
}

// A proper noun is never also a common word; one that a draw can show has a text of its own.
TEST_F(DataSetCheckTest, EachWordIsACommonWordWithTextOrACapitalisedProperNoun) {
  std::set<std::string> common;
  for (const WordRecord& word : words_) {
    if (word.levelOrKind != 0) common.insert(word.key());
  }
  std::set<std::uint32_t> inClass;
  for (const std::vector<std::uint32_t>& chain : classes()) inClass.insert(chain.begin(), chain.end());
  for (std::size_t n = 0; n < words_.size(); ++n) {
    std::string display = words_[n].display();
    bool capital = display[0] >= 'A' && display[0] <= 'Z';
    if (words_[n].levelOrKind == 0) {
      EXPECT_TRUE(capital) << win1252ToUtf8(display);
      EXPECT_EQ(common.count(words_[n].key()), 0u) << win1252ToUtf8(display);
      if (inClass.count(static_cast<std::uint32_t>(n))) {
        EXPECT_NE(words_[n].linkOrAddress, 0u) << win1252ToUtf8(display) << " has no text";
      }
      EXPECT_EQ(anagrams_[n].levelOrKind, 0) << "a proper noun never counts as common";
    } else {
      EXPECT_FALSE(capital) << win1252ToUtf8(display);
    }
    EXPECT_LE(anagrams_[n].levelOrKind, kTopLevel);
  }
}

TEST_F(DataSetCheckTest, EveryCommonWordReadsBackAsCleanTextInBothForms) {
  for (const Shown& word : shownWords()) {
    for (bool longForm : {true, false}) {
      const std::vector<std::string>& lines = longForm ? word.full : word.masked;
      ASSERT_FALSE(lines.empty()) << word.key;
      for (const std::string& line : lines) {
        std::string text = win1252ToUtf8(line);
        EXPECT_EQ(line.find_first_of("<>&#"), std::string::npos) << text;
        EXPECT_EQ(line.find("  "), std::string::npos) << text;
        if (longForm) {  // the short form's masks are dots
          EXPECT_EQ(line.find(" ,"), std::string::npos) << text;
          EXPECT_EQ(line.find(" ."), std::string::npos) << text;
        }
        EXPECT_EQ(line.find("erreur du fichier"), std::string::npos) << text;
        EXPECT_GT(line.size(), 2u) << text;
        if (!longForm) {
          EXPECT_EQ(plainForm(line).find(word.key), std::string::npos) << "unmasked: " << text;
        }
      }
    }
  }
}

TEST_F(DataSetCheckTest, EveryLevelOffersEnoughDrawsForBothClassesAndTopLevelOnOrOff) {
  auto singleQualifies = [](int level, int L, bool top, bool junior) {
    if (level == 0) return false;
    if (!top) return level <= L;
    return junior ? level == 2 : level >= 3;
  };
  for (int L = 1; L <= kTopLevel; ++L) {
    for (bool top : {false, true}) {
      for (bool junior : {false, true}) {
        int singles = 0;
        for (const WordRecord& r : anagrams_) {
          singles += r.linkOrAddress == 0 && singleQualifies(r.levelOrKind, L, top, junior);
        }
        EXPECT_GE(singles, 300) << "level " << L << (top ? " top" : "")
                                << (junior ? " junior" : "");
      }
    }
    int drawable = 0;
    for (const std::vector<std::uint32_t>& chain : classes()) {
      drawable += std::any_of(chain.begin(), chain.end(), [this, L](std::uint32_t member) {
        int level = anagrams_[member].levelOrKind;
        return level >= 1 && level <= L;
      });
    }
    EXPECT_GE(drawable, 150) << "level " << L;
  }
}

// The short form never gives the answer: no other form of the word ("dansez" for "danser",
// "petit" for "petite") in what the hint shows; and never a label, an example or a
// cross-reference alone.
TEST_F(DataSetCheckTest, EveryHintDefinesItsWordWithoutGivingItAway) {
  const std::regex labelOnly("^(Termes? d(e |')[^ .,]+( [^ .,]+){0,2}|Anciennement|Vieux)\\.?$");
  const std::regex wholeWordMask("(^|[ '])MASQUE([ ,;:.]|$)");
  int failures = 0;
  for (const Shown& word : shownWords()) {
    for (const std::string& line : word.masked) {
      std::string text = win1252ToUtf8(line);
      if (text.size() >= 13 && text.compare(text.size() - 13, 13, ", nom propre.") == 0) continue;
      std::string definition = text.substr(0, text.find(" \""));
      for (const std::string& other : mkdata::plainWordsOf(definition)) {
        bool givesAway = mkdata::isOtherForm(other, word.key);
        EXPECT_FALSE(givesAway) << win1252ToUtf8(word.key) << ": " << text;
        failures += givesAway;
      }
      EXPECT_FALSE(std::regex_match(definition, labelOnly)) << word.key << ": " << text;
      EXPECT_NE(definition.rfind("Voy", 0), 0u) << word.key << ": " << text;
      bool saysMore = false;
      // The masks read as words, not as sentence ends.
      std::string clauses = std::regex_replace(definition, std::regex("\\.{6}"), "MASQUE");
      for (std::size_t semicolon; (semicolon = clauses.find(" ; ")) != std::string::npos;) {
        clauses.replace(semicolon, 3, ". ");
      }
      for (const std::string& sentence : mkdata::sentencesOf(clauses)) {
        constexpr std::size_t kLongestExample = 80;  // a longer sentence defines
        saysMore = saysMore || sentence.size() > kLongestExample ||
                   !std::regex_search(mkdata::withoutParentheses(sentence), wholeWordMask);
      }
      EXPECT_TRUE(saysMore) << "an example only: " << word.key << ": " << text;
      if (failures > 20) return;
    }
  }
}

// A draw shows one word of an anagram class and hides the others: no word's definition
// names another word of its class ("chelou : bizarre, louche").
TEST_F(DataSetCheckTest, NoDefinitionNamesAnAnagramToFind) {
  std::map<std::string, std::set<std::string>> textWords;
  for (const Shown& word : shownWords()) {
    for (const std::string& line : word.full) {
      for (const std::string& plain : mkdata::plainWordsOf(win1252ToUtf8(line))) {
        textWords[word.key].insert(plain);
      }
    }
  }
  std::vector<std::vector<std::uint32_t>> all = classes();
  for (const std::vector<std::uint32_t>& chain : all) {
    for (std::uint32_t shown : chain) {
      for (std::uint32_t hidden : chain) {
        std::string key = words_[hidden].key();
        if (key != words_[shown].key()) {
          EXPECT_EQ(textWords[words_[shown].key()].count(key), 0u)
              << words_[shown].key() << " names " << key;
        }
      }
    }
  }
  EXPECT_FALSE(all.empty());
}

// A family game: no kept-out word, and nothing offensive in any text a player can see.
TEST_F(DataSetCheckTest, NoWordOrTextIsUnfitForAFamilyGame) {
  mkdata::KeptOut keptOut;
  fs::path profanities = VORLANE_PROFANITY_LIST;
  if (fs::is_regular_file(profanities)) keptOut.addListFile(profanities);
  for (const WordRecord& word : words_) {
    EXPECT_FALSE(keptOut.isKeptOut(word.key())) << word.key();
  }
  for (const Shown& word : shownWords()) {
    for (const std::string& line : word.full) {
      EXPECT_FALSE(keptOut.isOffensive(win1252ToUtf8(line))) << win1252ToUtf8(line);
    }
  }
}

// Classes a player can finish: a word that must be found in every draw of its class is a
// word a player may know (a level of 1 to 6), save in a few classes.
TEST_F(DataSetCheckTest, FewDrawableClassesHoldAWordOfLevelZero) {
  int drawable = 0;
  int withUnknown = 0;
  for (const std::vector<std::uint32_t>& chain : classes()) {
    bool canDraw = false;
    bool unknown = false;
    for (std::uint32_t member : chain) {
      canDraw = canDraw || anagrams_[member].levelOrKind > 0;
      unknown = unknown || anagrams_[member].levelOrKind == 0;
    }
    drawable += canDraw;
    withUnknown += canDraw && unknown;
  }
  ASSERT_GT(drawable, 0);
  EXPECT_LE(withUnknown * 100, drawable * 5) << withUnknown << " of " << drawable;
}

// The judged samples of every round as regression lists: a word that French readers did
// not know is never at levels 1-2, and a word they found offensive is not in the data set.
TEST_F(DataSetCheckTest, WordsJudgedUnknownOrOffensiveStayOutOfTheFirstLevels) {
  std::map<std::string, int> levels;
  for (std::size_t n = 0; n < words_.size(); ++n) {
    levels.emplace(win1252ToUtf8(words_[n].display()), anagrams_[n].levelOrKind);
  }
  std::vector<fs::path> rounds;
  for (const auto& entry : fs::directory_iterator(VORLANE_JUDGED)) {
    std::string name = entry.path().filename().string();
    if (name.rfind("levels", 0) == 0 && name.find("-verdicts.txt") != std::string::npos) {
      rounds.push_back(entry.path());
    }
  }
  ASSERT_GE(rounds.size(), 2u);
  for (const fs::path& name : rounds) {
    std::ifstream verdicts(name);
    ASSERT_TRUE(verdicts) << name;
    int judged = 0;
    std::string line;
    while (std::getline(verdicts, line)) {
      std::istringstream fields(line);
      std::string number, word, verdict, flag;
      std::getline(fields, number, '\t');
      std::getline(fields, word, '\t');
      std::getline(fields, verdict, '\t');
      std::getline(fields, flag, '\t');
      if (number.empty() || !std::isdigit(static_cast<unsigned char>(number[0]))) continue;
      ++judged;
      auto found = levels.find(word);
      if (flag == "OFFENSIVE" || verdict == "OFFENSIVE") {
        EXPECT_EQ(found, levels.end()) << word;
      }
      if (verdict == "UNKNOWN" && found != levels.end()) {
        EXPECT_TRUE(found->second == 0 || found->second > 2)
            << word << " at level " << found->second;
      }
    }
    EXPECT_EQ(judged, 200) << name;
  }
}

// What the judges of every round found wrong was mended: a definition judged bad is no longer
// the text the game shows, nor is a hint judged to give its word away.
TEST_F(DataSetCheckTest, NoTextJudgedBadOrGivingItsWordAwayIsShownAgain) {
  test::TempFolder program;
  fs::copy(folder_, program.dataFolder(), fs::copy_options::recursive);
  std::map<std::string, mkdata::DumpedWord> today;
  for (mkdata::DumpedWord& word : mkdata::dumpDataSet(program.dataFolder())) {
    today.emplace(word.spelling, std::move(word));
  }
  int rounds = 0;
  int mended = 0;
  for (const auto& entry : fs::directory_iterator(VORLANE_JUDGED)) {
    std::string name = entry.path().filename().string();
    std::size_t suffix = name.find("-verdicts.txt");
    if (name.rfind("definitions", 0) != 0 || suffix == std::string::npos) continue;
    ++rounds;
    // The sheet: "N. word", then "   complète : long form" and "   courte : short form".
    std::map<std::string, std::pair<std::string, std::string>> sheet;
    std::ifstream sheetFile(entry.path().parent_path() / (name.substr(0, suffix) + ".txt"));
    ASSERT_TRUE(sheetFile) << name;
    std::string word, line;
    const std::string full = "   complète : ", hint = "   courte : ";
    while (std::getline(sheetFile, line)) {
      std::size_t dot = line.find(". ");
      if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
          dot != std::string::npos) {
        word = line.substr(dot + 2);
      } else if (line.rfind(full, 0) == 0) {
        sheet[word].first = line.substr(full.size());
      } else if (line.rfind(hint, 0) == 0) {
        sheet[word].second = line.substr(hint.size());
      }
    }
    std::ifstream verdicts(entry.path());
    while (std::getline(verdicts, line)) {
      std::istringstream fields(line);
      std::string number, definition, shortForm;
      std::getline(fields, number, '\t');
      std::getline(fields, word, '\t');
      std::getline(fields, definition, '\t');
      std::getline(fields, shortForm, '\t');
      if (number.empty() || !std::isdigit(static_cast<unsigned char>(number[0]))) continue;
      ASSERT_EQ(sheet.count(word), 1u) << word << " is not on the sheet of " << name;
      auto shown = today.find(word);
      if (shown == today.end()) continue;  // no longer drawn
      if (definition == "D=BAD") {
        EXPECT_NE(shown->second.full, sheet[word].first) << name << ": " << word;
        ++mended;
      }
      if (shortForm == "C=GIVES_AWAY") {
        EXPECT_NE(shown->second.shortForm, sheet[word].second) << name << ": " << word;
        ++mended;
      }
    }
  }
  EXPECT_GE(rounds, 6);
  EXPECT_GT(mended, 50);
}

// The reviewed word list reaches the data set: a word nobody knows today or unfit for the
// game is never drawn nor to be found in a class, a rare word is never at levels 1-2, and
// each of our own definitions is the one the game shows.
TEST_F(DataSetCheckTest, TheReviewedJudgementsAndDefinitionsAreTheOnesPlayed) {
  mkdata::Review review(VORLANE_REVIEW);
  std::set<std::uint32_t> inDrawableClass;
  for (const std::vector<std::uint32_t>& chain : classes()) {
    bool canDraw = std::any_of(chain.begin(), chain.end(),
                               [this](std::uint32_t m) { return anagrams_[m].levelOrKind > 0; });
    if (canDraw) inDrawableClass.insert(chain.begin(), chain.end());
  }
  std::map<std::string, std::vector<std::string>> shown;
  for (const Shown& word : shownWords()) shown[word.key] = word.full;
  int ownShown = 0;
  std::set<std::string> seen;
  for (std::uint32_t n = 0; n < words_.size(); ++n) {
    const mkdata::ReviewedWord* judged = review.find(words_[n].display());
    if (judged == nullptr || !seen.insert(words_[n].key()).second) continue;
    std::string word = win1252ToUtf8(words_[n].display());
    int level = anagrams_[n].levelOrKind;
    if (judged->familiarity >= mkdata::Familiarity::Unknown) {
      EXPECT_EQ(level, 0) << word;
      EXPECT_EQ(inDrawableClass.count(n), 0u) << word;
    }
    if (judged->familiarity == mkdata::Familiarity::Rare) {
      EXPECT_GT(level, 2) << word;
    }
    if (!judged->definition.empty() && level > 0) {
      ASSERT_FALSE(shown[words_[n].key()].empty()) << word;
      std::string opening = mkdata::storableText(judged->definition).substr(0, 20);
      EXPECT_NE(shown[words_[n].key()][0].find(opening), std::string::npos) << word;
      ++ownShown;
    }
  }
  EXPECT_GT(ownShown, 0);
}

// The words a player meets most read as today's French: none of the old dictionary's set
// phrases in a definition that a draw at levels 1 to 4 shows.
TEST_F(DataSetCheckTest, NoDefinitionOfTheFirstFourLevelsKeepsTheOldDictionarysPhrases) {
  const std::vector<std::string> phrases = {"Il se dit", "il se dit", "Nom général sous lequel",
                                            "Dans une signification plus restreinte", "Terme de"};
  int checked = 0;
  for (const Shown& word : shownWords()) {
    if (word.level < 1 || word.level > 4) continue;
    ++checked;
    for (const std::string& line : word.full) {
      for (const std::string& phrase : phrases) {
        EXPECT_EQ(line.find(toWin1252(phrase)), std::string::npos) << win1252ToUtf8(line);
      }
    }
  }
  EXPECT_GT(checked, 2000);
}

// A real word is never refused as made up: every word of the data set, in a class or not, is
// in the word-form list, and so are the forms that are no headword; a made-up word is not.
TEST_F(DataSetCheckTest, TheWordFormListHoldsEveryWordOfTheDataSetAndTheirForms) {
  const fs::path file = folder_ / std::string(kWordFormsFile);
  ASSERT_TRUE(fs::is_regular_file(file));
  const std::uintmax_t size = fs::file_size(file);
  ASSERT_EQ(size % kWordFormRecordSize, 0u);
  EXPECT_GT(size / kWordFormRecordSize, 4 * words_.size());  // forms far outnumber headwords
  DataFolder data(folder_.parent_path());
  WordForms forms(data);
  std::set<std::string> keys;
  for (const WordRecord& word : words_) keys.insert(word.key());
  for (const std::string& key : keys) EXPECT_TRUE(forms.isWordForm(key)) << key;
  for (const char* form : {"CHERES", "PEPINS", "ECRIVE", "COEURS", "EGYPTE", "NEVERS", "VENONS",
                           "MANGEA", "LAINES"}) {
    EXPECT_TRUE(forms.isWordForm(form)) << form;
  }
  for (const char* madeUp : {"SNEILA", "EEOPPU", "FAISAI", "AAAAAA", "ZZZZZZ"}) {
    EXPECT_FALSE(forms.isWordForm(madeUp)) << madeUp;
  }
}

TEST_F(DataSetCheckTest, TheDataFolderPassesTheStartUpCheck) {
  test::TempFolder program;
  fs::copy(folder_, program.dataFolder(), fs::copy_options::recursive);
  EXPECT_TRUE(checkDataFiles(DataFolder(program.path())));
}

}  // namespace
}  // namespace vorlane
