#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Contact.h"
#include "data/DataFolder.h"
#include "data/DefinitionWriter.h"
#include "data/Definitions.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "data/WordFileWriter.h"
#include "data/WordLists.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::TempFolder;

constexpr int kRow = 3;
constexpr int kLineHeight = 16;

// One line per started 30 characters: an empty text takes no line.
class FakeMeasure : public LineMeasure {
 public:
  int lineCount(int row, const std::string& text) const override {
    EXPECT_EQ(row, kRow);
    return static_cast<int>((text.size() + 29) / 30);
  }
};

enum class Entry { Scrambled, Plain, ProperNoun, Damaged };

// One "Azl.666" record and its definition; texts are UTF-8.
struct Word {
  std::string spelling;
  Entry entry = Entry::Scrambled;
  std::vector<std::string> fields;
  bool inAppendix = false;
};

std::vector<std::string> win1252(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const auto& text : utf8) out.push_back(toWin1252(text));
  return out;
}

std::vector<std::string> utf8(const std::vector<std::string>& texts) {
  std::vector<std::string> out;
  for (const auto& text : texts) out.push_back(win1252ToUtf8(text));
  return out;
}

class DefinitionsTest : public ::testing::Test {
 protected:
  // Writes the word files and "Dicx.666" through the game's writers. Until the words are in
  // record order, a word's definition address holds its index in `words`.
  void write(const std::vector<Word>& words) {
    std::vector<DataSetWord> dataWords;
    for (std::size_t i = 0; i < words.size(); ++i) {
      DataSetWord dataWord;
      dataWord.spelling = toWin1252(words[i].spelling);
      dataWord.inAppendix = words[i].inAppendix;
      dataWord.definitionAddress = static_cast<std::uint32_t>(i);
      dataWords.push_back(dataWord);
    }
    std::vector<DataSetWord> ordered = orderWords(dataWords);
    DefinitionWriter writer(temp.dataFolder() / "Dicx.666");
    for (std::size_t r = 0; r < ordered.size(); ++r) {
      const Word& word = words[ordered[r].definitionAddress];
      attach(writer, static_cast<std::int32_t>(r), word, ordered[r]);
    }
    writeWordFiles(temp.dataFolder(), ordered);
  }

  static void attach(DefinitionWriter& writer, std::int32_t record, const Word& word,
                     DataSetWord& dataWord) {
    dataWord.kind = word.entry == Entry::Scrambled || word.entry == Entry::Damaged ? 1 : 0;
    switch (word.entry) {
      case Entry::Scrambled:
        dataWord.definitionAddress = writer.appendScrambled(record, win1252(word.fields));
        break;
      case Entry::Plain:
        dataWord.definitionAddress = writer.appendPlain(win1252(word.fields));
        break;
      case Entry::ProperNoun:
        dataWord.definitionAddress = 0;
        break;
      case Entry::Damaged:
        dataWord.definitionAddress = addressMaskTable[static_cast<std::size_t>(record) % 10];
        break;
    }
  }

  void lookUp(const std::string& word, bool longForm) {
    DataFolder folder(temp.path());
    WordLists words(folder);
    Definitions definitions(folder, words, measure);
    definitions.lookUpDefinitions(plainForm(toWin1252(word)), kRow, longForm, box, kLineHeight);
  }

  std::vector<std::string> lines() const { return utf8(box.lines); }

  TempFolder temp;
  FakeMeasure measure;
  DefinitionBox box;
};

TEST_F(DefinitionsTest, CommonWordJoinsItsFieldsWithTheirSeparators) {
  write({{"aimant", Entry::Scrambled, {"aimant", "n. m.", "Fer qui attire", "le fer", "."}},
         {"barque", Entry::Scrambled, {"barque", "n. f.", "Petit bateau."}}});
  lookUp("aimant", true);
  lookUp("barque", false);
  lookUp("barque", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{"aimant, n. m. : Fer qui attire le fer .",
                                               "Petit bateau.", "barque, n. f. : Petit bateau."}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts),
            "#aimant, n. m. : Fer qui attire le fer .#barque, n. f. : Petit bateau."
            "#barque, n. f. : Petit bateau.");
  EXPECT_EQ(win1252ToUtf8(box.maskedTexts),
            "#aimant, n. m. : Fer qui attire le fer .#Petit bateau.#barque, n. f. : Petit bateau.");
}

TEST_F(DefinitionsTest, ShortFormKeepsWhatFollowsTheLastOfTwoSeparators) {
  write({{"barque", Entry::Scrambled, {"barque", "Petit bateau à rames."}},
         {"cabane", Entry::Scrambled, {"cabane"}},
         {"dragée", Entry::Scrambled, {"dragée", "n. f.", "Amande", "sucrée"}}});
  lookUp("barque", false);
  lookUp("cabane", false);
  lookUp("dragee", false);
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"Petit bateau à rames.", "......", "Amande sucrée"}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts),
            "#barque, Petit bateau à rames.#cabane#dragée, n. f. : Amande sucrée");
}

TEST_F(DefinitionsTest, PlainRecordRunsTheFieldsAfterTheFirstTogether) {
  write({{"Tamise", Entry::Plain, {"fleuve d'Angleterre", "qui arrose ", "Londres."}},
         {"Verdun", Entry::Plain, {"ville de la Meuse."}}});
  lookUp("tamise", true);
  lookUp("tamise", false);
  lookUp("verdun", false);
  EXPECT_EQ(lines(),
            (std::vector<std::string>{"Tamise : fleuve d'Angleterre, qui arrose Londres.",
                                      "qui arrose Londres.", "...... : ville de la Meuse."}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts),
            "#Tamise : fleuve d'Angleterre, qui arrose Londres."
            "#Tamise : fleuve d'Angleterre, qui arrose Londres.#Verdun : ville de la Meuse.");
}

TEST_F(DefinitionsTest, ShortFormHidesTheWordWhateverItsAccentsAndCase) {
  write({{"délire",
          Entry::Scrambled,
          {"délire", "n. m.", "Délire ou DELIRE : un délire, des délires."}}});
  lookUp("delire", false);
  EXPECT_EQ(lines(), (std::vector<std::string>{"...... ou ...... : un ......, des ......s."}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts),
            "#délire, n. m. : Délire ou DELIRE : un délire, des délires.");
}

TEST_F(DefinitionsTest, ShortFormHidesQuotedPassagesClosedAndUnclosed) {
  write({{"extase",
          Entry::Scrambled,
          {"extase", "n. f.", "Ravissement. \"L'extase des saints\" (Bossuet). Voir \"transe"}}});
  lookUp("extase", false);
  lookUp("extase", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{
                         "Ravissement. \"...\" (Bossuet). Voir ",
                         "extase, n. f. : Ravissement. \"L'extase des saints\" (Bossuet). "
                         "Voir \"transe"}));
}

TEST_F(DefinitionsTest, CommonNounComesBeforeTheProperNounWithoutText) {
  write({{"Pascal", Entry::ProperNoun, {}},
         {"pascal", Entry::Scrambled, {"pascal", "n. m.", "Unité de pression."}}});
  lookUp("pascal", false);
  EXPECT_EQ(lines(), (std::vector<std::string>{"Unité de pression.", "......, nom propre."}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts),
            "#pascal, n. m. : Unité de pression.#Pascal, nom propre.");
  EXPECT_EQ(win1252ToUtf8(box.maskedTexts), "#Unité de pression.#......, nom propre.");
}

TEST_F(DefinitionsTest, DamagedEntryShowsTheErrorLineInFullAndStoresNoLongForm) {
  write({{"barque", Entry::Damaged, {}},
         {"barque", Entry::Scrambled, {"barque", "n. f.", "Bateau."}}});
  lookUp("barque", false);
  const std::string error =
      "barque : erreur du fichier. Merci de noter ce mot et de contacter "
      "l'auteur. Tél : " +
      std::string(kSupportPhone) + "  Email : " + std::string(kSupportEmail);
  EXPECT_EQ(lines(), (std::vector<std::string>{error, "Bateau."}));
  EXPECT_EQ(win1252ToUtf8(box.fullTexts), "#barque, n. f. : Bateau.");
  EXPECT_EQ(win1252ToUtf8(box.maskedTexts), "#" + error + "#Bateau.");
}

TEST_F(DefinitionsTest, StoredBytesThatWrapAndRareLettersComeBackUnchanged) {
  // "þ" is stored as 254, which every shift carries past 255; "«", "»" and "ñ" have Mac
  // OS Roman bytes of their own.
  write({{"bijoux", Entry::Scrambled, {"bijoux", "n. m. pl.", "þ «joyaux» ñ"}}});
  lookUp("bijoux", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{"bijoux, n. m. pl. : þ «joyaux» ñ"}));
}

TEST_F(DefinitionsTest, RecordsOfTheAppendixAreFoundAndOnlyTenAreShown) {
  std::vector<Word> words;
  for (int i = 1; i <= 6; ++i) {
    words.push_back({"barque", Entry::Plain, {"sens " + std::to_string(i)}});
  }
  words.push_back({"cabane", Entry::Plain, {"abri"}});
  for (int i = 7; i <= 11; ++i) {
    words.push_back({"Barque", Entry::Plain, {"sens " + std::to_string(i)}, true});
  }
  write(words);
  lookUp("barque", true);
  ASSERT_EQ(box.lines.size(), 10u);
  EXPECT_EQ(win1252ToUtf8(box.lines.front()), "barque : sens 1");
  EXPECT_EQ(win1252ToUtf8(box.lines[6]), "Barque : sens 7");
  EXPECT_EQ(win1252ToUtf8(box.lines.back()), "Barque : sens 10");
}

TEST_F(DefinitionsTest, LastWordOfTheSortedPartShowsEachAppendixHomographOnce) {
  // The first key past the word lies in the appendix itself: going back to the appendix
  // start would read the homograph twice.
  write({{"abaque", Entry::Plain, {"abaque"}},
         {"zygote", Entry::Plain, {"cellule"}},
         {"abimer", Entry::Plain, {"gâter"}, true},
         {"Zygote", Entry::Plain, {"nom"}, true},
         {"zzzzzz", Entry::Plain, {"fin"}, true}});
  lookUp("zygote", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{"zygote : cellule", "Zygote : nom"}));
}

TEST_F(DefinitionsTest, TagCountsTheMeasuredLinesOfTheBoxAndAtLeastOne) {
  write({{"barque", Entry::Scrambled, {"barque", "n. f.", ""}},
         {"cabane",
          Entry::Scrambled,
          {"cabane", "n. f.", "Petite maison rudimentaire faite de branchages ou de planches."}}});
  lookUp("barque", false);
  EXPECT_EQ(box.tag, kLineHeight);
  lookUp("cabane", false);
  EXPECT_EQ(box.tag, 3 * kLineHeight);
  lookUp("cabane", true);
  EXPECT_EQ(box.tag, 6 * kLineHeight);
}

TEST_F(DefinitionsTest, MissingFileOrWordShowsNothing) {
  write({{"barque", Entry::Scrambled, {"barque", "n. f.", "Bateau."}}});
  lookUp("cabane", false);
  EXPECT_EQ(box, DefinitionBox{});
  std::filesystem::remove(temp.dataFolder() / "Dicx.666");
  lookUp("barque", true);
  EXPECT_EQ(box, DefinitionBox{});
}

// Hand-made "Dicx.666" files for what the writer never produces.
class RawDefinitionsTest : public DefinitionsTest {
 protected:
  // One word, "barque" at record 0, whose address points at `offset` of `bytes`.
  void writeRaw(std::uint8_t kind, std::uint32_t offset, const std::string& bytes) {
    DataSetWord dataWord;
    dataWord.spelling = "barque";
    dataWord.kind = kind;
    dataWord.definitionAddress = offset + (kind != 0 ? addressMaskTable[0] : 0);
    writeWordFiles(temp.dataFolder(), {dataWord});
    temp.writeFile("Zari666/Dicx.666", bytes);
  }

  static std::string scrambled(const std::string& text, int shift) {
    std::string out;
    for (char ch : text) out.push_back(static_cast<char>(static_cast<unsigned char>(ch) + shift));
    return out;
  }
};

TEST_F(RawDefinitionsTest, ScrambledRecordEndsAtAStoredOrAnUnscrambled35) {
  const int shift = shiftTable[1];
  const std::string separator(1, static_cast<char>(kFieldSeparator + shift));
  writeRaw(1, 1,
           "#" + scrambled("ab", shift) + separator + scrambled("cd", shift) + "#" +
               scrambled("ef", shift) + "#");
  lookUp("barque", true);
  writeRaw(1, 1, "#" + scrambled("gh#ij", shift) + "#");
  lookUp("barque", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{"ab, cd", "gh"}));
}

TEST_F(RawDefinitionsTest, PlainRecordTakesItsBytesAsTheyAre) {
  writeRaw(0, 2, std::string("##\xA6xy\xA6z\x8E#", 9));
  lookUp("barque", false);
  lookUp("barque", true);
  EXPECT_EQ(lines(), (std::vector<std::string>{"xyzé", "barque : , xyzé"}));
}

TEST_F(RawDefinitionsTest, UnterminatedRecordOrAddressPastTheEndIsAnIoError) {
  writeRaw(1, 1, "#" + scrambled("abc", shiftTable[1]));
  EXPECT_THROW(lookUp("barque", true), IoError);
  writeRaw(0, 1, "#abc");
  EXPECT_THROW(lookUp("barque", true), IoError);
  writeRaw(0, 40, "#abc#");
  EXPECT_THROW(lookUp("barque", false), IoError);
}

TEST(UnscrambleByteTest, WrapsOver255) {
  struct Row {
    unsigned char stored;
    int shift;
    unsigned char text;
  };
  for (const Row& row : {Row{30, 4, 26}, Row{4, 4, 0}, Row{3, 4, 254}, Row{0, 4, 251},
                         Row{0, 29, 226}, Row{255, 29, 226}, Row{195, 29, 166}}) {
    SCOPED_TRACE(testing::Message() << int(row.stored) << " - " << row.shift);
    EXPECT_EQ(unscrambleByte(row.stored, row.shift), row.text);
  }
}

}  // namespace
}  // namespace vorlane
