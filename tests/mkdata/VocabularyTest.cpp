// The builder end to end on tiny sources: a Littré of a few articles, a hunspell lexicon
// of a few lines and a short frequency list, read back through the game's own readers.
#include <gtest/gtest.h>

#include "Lexicon.h"
#include "StarDict.h"
#include "Vocabulary.h"
#include "WordDataWriter.h"
#include "WordSignals.h"
#include "data/DataFolder.h"
#include "data/Definitions.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "data/WordLists.h"
#include "support/TempFolder.h"

namespace vorlane::mkdata {
namespace {

class OneLine : public LineMeasure {
 public:
  int lineCount(int, const std::string&) const override { return 1; }
};

std::string article(const std::string& category, const std::string& sense) {
  return "<i><small>(x) " + category + "</small></i>\n<b>1°</b> " + sense + "\n" +
         "<span foreground=\"#0000CD\">Une citation assez longue</span>, "
         "<span foreground=\"#B22222\">MOL.</span>, <span foreground=\"#556B2F\">Tart.</span>.\n"
         "<b><big>ÉTYMOLOGIE</big></b>\nLatin.";
}

class LittreBuilder {
 public:
  void add(const std::vector<std::string>& names, const std::string& text) {
    for (const std::string& name : names) {
      index_ += name + '\0';
      for (std::size_t value : {articles_.size(), text.size()}) {
        for (int shift = 24; shift >= 0; shift -= 8)
          index_.push_back(static_cast<char>((value >> shift) & 0xFF));
      }
    }
    articles_ += text;
  }
  StarDict build() const { return StarDict(index_, articles_); }

 private:
  std::string index_;
  std::string articles_;
};

class VocabularyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LittreBuilder littre;
    littre.add({"ABOYER"}, article("v. n.", "Il se dit du chien qui jappe."));
    littre.add({"MAISON"}, article("s. f.", "Bâtiment servant de logis. La maison est belle."));
    littre.add({"EPOQUE", "ÉPOQUE"}, article("s. f.", "Point fixe de l'histoire."));
    littre.add({"PETIT, ITE"}, article("adj.", "Qui a peu d'étendue."));
    littre.add({"ARGENT"}, article("s. m.", "Métal précieux de couleur blanche."));
    littre.add({"GÉRANT, ANTE", "GERANT, ANTE"}, article("s. m. et f.", "Celui qui gère."));
    littre.add({"ABOSME"}, article("adj.", "Vieux mot."));
    littre.add({"PUTAIN"}, article("s. f.", "Terme grossier."));
    littre.add({"BALANCER", "ABOLIR"}, article("v. a.", "Mouvoir un corps de côté et d'autre."));
    littre.add({"VACARME"}, article("s. m.", "Grand bruit."));
    littre.add({"RIVAGE"}, "<i><small>(ri-va-j') s. m.</small></i>\n");
    folder_.writeFile("fr.aff", "SET UTF-8\n");
    folder_.writeFile(
        "fr.dic",
        "12\nabolir\naboyer\nmaison\népoque\npetite\nargent\ngérant\nputain\nvacarme\nrivage\n"
        "Tanger po:npr\nNANTES po:npr\nAdidas po:npr\n");
    Lexicon lexicon(folder_.path() / "fr.aff", folder_.path() / "fr.dic");
    WordSignals signals;
    signals.addSubtitleWords({"de", "maison", "argent", "petite"}, nullptr);
    signals.addQuotation("Une époque, une époque, une époque, à Tanger.");
    StarDict dict = littre.build();
    vocabulary_.addCommonWords(dict, lexicon);
    vocabulary_.addProperNouns(lexicon, signals);
    vocabulary_.assignLevels(signals);
    writeWordData(vocabulary_, folder_.dataFolder());
  }

  std::vector<std::string> definitionLines(const std::string& key, bool longForm) const {
    DataFolder data(folder_.path());
    WordLists lists(data);
    OneLine measure;
    DefinitionBox box;
    Definitions(data, lists, measure).lookUpDefinitions(key, 1, longForm, box, 20);
    std::vector<std::string> lines;
    for (const auto& line : box.lines) lines.push_back(win1252ToUtf8(line));
    return lines;
  }

  test::TempFolder folder_;
  Vocabulary vocabulary_;
};

TEST_F(VocabularyTest, KeepsCurrentSixLetterWordsAndFemininesAndLeavesOutTheRest) {
  std::vector<std::string> keys;
  for (const auto& [key, word] : vocabulary_.keys()) keys.push_back(key);
  // "abolir" names the article of "balancer", "abosme" is not current French, "putain" is kept out,
  // "vacarme" has seven letters, "petit" five (its feminine six), "rivage" has no definition,
  // "NANTES" is not capitalised; "Adidas" is no word of the dictionary's quotations.
  EXPECT_EQ(keys, (std::vector<std::string>{"ABOYER", "ARGENT", "EPOQUE", "GERANT", "MAISON",
                                            "PETITE", "TANGER"}));
  EXPECT_EQ(vocabulary_.keys().at("EPOQUE").records.front().spelling, toWin1252("époque"));
}

TEST_F(VocabularyTest, LevelsFollowTheSubtitleRanksThenTheQuotations) {
  const auto& keys = vocabulary_.keys();
  EXPECT_EQ(keys.at("MAISON").level, 1);
  EXPECT_EQ(keys.at("EPOQUE").level, 1);  // known by its quotations only
  EXPECT_EQ(keys.at("GERANT").level, 0);  // known by neither signal
  EXPECT_EQ(keys.at("TANGER").level, 0);  // a proper noun is never common
}

TEST_F(VocabularyTest, AnagramsShareAClassWithTheProperNounsOfTheirLetters) {
  DataFolder data(folder_.path());
  WordLists lists(data);
  AnagramSet set;
  ASSERT_EQ(lists.loadAnagramSet("GERANT", set, false), 3);
  EXPECT_EQ(set[1].text, "TANGER");
  EXPECT_EQ(set[2].text, "ARGENT");
  EXPECT_EQ(lists.loadAnagramSet("GERANT", set, true), 2);
  EXPECT_EQ(lists.loadAnagramSet("MAISON", set, false), 1);
  EXPECT_TRUE(lists.isProperNounOnly("TANGER"));
}

TEST_F(VocabularyTest, DefinitionsReadBackInLongAndShortForm) {
  EXPECT_EQ(definitionLines("MAISON", true),
            std::vector<std::string>{"maison, s. f. : Bâtiment servant de logis. La maison est "
                                     "belle. \"Une citation assez longue\" (Mol.)"});
  EXPECT_EQ(
      definitionLines("MAISON", false),
      std::vector<std::string>{"Bâtiment servant de logis. La ...... est belle. \"...\" (Mol.)"});
  EXPECT_EQ(definitionLines("PETITE", true),
            std::vector<std::string>{"petite, adj. : Qui a peu d'étendue. \"Une citation assez "
                                     "longue\" (Mol.)"});
  EXPECT_EQ(definitionLines("TANGER", true), std::vector<std::string>{"Tanger, nom propre."});
}

TEST(VocabularyFirstNameTest, AWordQuotedMostlyAsAFirstNameTakesNoSubtitleRank) {
  LittreBuilder littre;
  littre.add({"CLAUDE"}, article("adj.", "Sot, niais."));
  littre.add({"PIERRE"}, article("s. f.", "Corps dur et solide."));
  littre.add({"ROBERT"}, article("s. m.", "Sorte de petit pot."));
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\n");
  folder.writeFile("fr.dic", "5\nclaude\npierre\nrobert\nClaude po:prn\nPierre po:prn\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"claude", "pierre", "robert"}, nullptr);
  signals.addQuotation("Claude vint, et Claude dit à Pierre : une pierre, la pierre. Robert.");
  EXPECT_EQ(signals.capitalisedCount("claude"), 2);
  Vocabulary vocabulary;
  vocabulary.addCommonWords(littre.build(), lexicon);
  vocabulary.addProperNouns(lexicon, signals);
  vocabulary.noteFirstNames(lexicon, signals);
  vocabulary.assignLevels(signals);
  EXPECT_EQ(vocabulary.keys().at("CLAUDE").level, 0);  // the name is common, not the word
  EXPECT_EQ(vocabulary.keys().at("PIERRE").level, 1);  // the stone is quoted more than the name
  EXPECT_EQ(vocabulary.keys().at("ROBERT").level, 1);  // not a first name of the lexicon
}

TEST(WordSignalsTest, FormsRankTheirLemmaAndSpellingsKeepTheirAccents) {
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n");
  folder.writeFile("fr.dic", "2\nmaison/S\ncrâne/S\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"de", "maisons", "crânes", "maison"}, &lexicon);
  EXPECT_EQ(signals.subtitleRank("maison"), 1);  // through its plural, before its own line
  EXPECT_EQ(signals.subtitleRank(toWin1252("crâne")), -1);  // five letters
  EXPECT_EQ(signals.subtitleRank(toWin1252("crânes")), 2);
  EXPECT_EQ(signals.subtitleRank("cranes"), -1);
  signals.addQuotation("<i>Maison</i> et maison, MAISON ; maisonnette.");
  EXPECT_EQ(signals.quotationCount("maison"), 3);
  EXPECT_EQ(signals.quotationCount("maisonnette"), 0);
}

TEST(WordSignalsTest, AFormSharedByTwoLemmasRanksOnlyTheOneItBeginsWith) {
  test::TempFolder folder;
  folder.writeFile("fr.aff",
                   "SET UTF-8\nSFX V Y 2\nSFX V er e er\nSFX V er es er\n"
                   "SFX S Y 1\nSFX S 0 s .\n");
  folder.writeFile("fr.dic", "5\nherbe/S\nherber/V\nparler/V\nmeuble/S\nmeubler/V\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"de", "herbe", "herbes", "parles", "meubles", "meuble"}, &lexicon);
  EXPECT_EQ(signals.subtitleRank("herber"), -1);  // the noun's ranks are not the verb's
  EXPECT_EQ(signals.subtitleRank("parler"), 3);   // a form of one verb ranks it
  EXPECT_EQ(signals.subtitleRank("meuble"), 4);   // the plural ranks its noun, not "meubler"
}

TEST(LexiconTest, MissingDictionaryFilesAreNamed) {
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\n");
  EXPECT_THROW(Lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic"), IoError);
}

}  // namespace
}  // namespace vorlane::mkdata
