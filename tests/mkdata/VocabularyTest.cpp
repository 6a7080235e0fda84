// The builder end to end on tiny sources: a Littré of a few articles, a hunspell lexicon
// of a few lines and a short frequency list, read back through the game's own readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "DataSetDump.h"
#include "Lexicon.h"
#include "Review.h"
#include "StarDict.h"
#include "Thesaurus.h"
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
    // The category inside the first sense; a general sense after a field's sense.
    littre.add({"DANSER"}, "<i><small>(dan-sé)</small></i>\n<b>1°</b> V. n. Terme de marine. "
                           "Rouler bord sur bord.\n<b>2°</b> Mouvoir le corps en cadence. "
                           "Dansez maintenant.\n");
    // An accent that today's spelling has and the Littré's lacks.
    littre.add({"TETINE"}, article("s. f.", "Mamelle des animaux."));
    // An offensive sense before an innocent one.
    littre.add({"MARRON, ONNE"}, article("adj.", "Esclave nègre fugitif.</b>\n<b>2°</b> "
                                                 "Animal domestique devenu sauvage."));
    // A participle takes its verb's definition, without the verb's other forms.
    littre.add({"LANCER"}, article("v. a.", "Jeter avec force. On lança la pierre. Lancer un trait."));
    littre.add({"LANCÉ, ÉE"}, "<i><small>(lan-sé, sée) part. passé.</small></i>\n"
                              "    Lancé dans le monde.\n");
    // Anagrams that no signal knows: "rageant" would have to be found in every draw.
    littre.add({"GRENAT"}, article("s. m.", "Pierre précieuse rouge."));
    folder_.writeFile("fr.aff", "SET UTF-8\nSFX E Y 2\nSFX E er é er\nSFX E er ée er\n");
    folder_.writeFile(
        "fr.dic",
        "20\nabolir\naboyer\nmaison\népoque\npetite\nargent\ngérant\nputain\nvacarme\nrivage\n"
        "danser\ntétine\nmarron\nlancer/E\ngrenat\ncinéma po:nom is:mas\n"
        "Tanger po:npr\nNANTES po:npr\nAdidas po:npr\n");
    Lexicon lexicon(folder_.path() / "fr.aff", folder_.path() / "fr.dic");
    WordSignals signals;
    signals.addSubtitleWords({"de", "maison", "argent", "petite", "cinéma"}, nullptr);
    signals.addQuotation("Une époque, une époque, une époque, à Tanger.");
    Thesaurus thesaurus;
    thesaurus.addLines({"UTF-8", "cinéma|1", "(Nom)|ciné|cinémathèque|écran|salle obscure",
                        "gérant|1", "(Nom)|directeur|administrateur"});
    StarDict dict = littre.build();
    vocabulary_.addCommonWords(dict, lexicon);
    vocabulary_.addThesaurusWords(thesaurus, lexicon, signals);
    vocabulary_.addProperNouns(lexicon, signals);
    vocabulary_.noteFirstNames(lexicon, signals, thesaurus);
    vocabulary_.assignLevels(signals, thesaurus);
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
  // "NANTES" is not capitalised; "Adidas" is no word of the dictionary's quotations; "grenat",
  // known to no signal, would be an anagram of "argent" and "gérant" that nobody finds.
  EXPECT_EQ(keys, (std::vector<std::string>{"ABOYER", "ARGENT", "CINEMA", "DANSER", "EPOQUE",
                                            "GERANT", "LANCEE", "LANCER", "MAISON", "MARRON", "PETITE",
                                            "TANGER", "TETINE"}));
  EXPECT_EQ(vocabulary_.keys().at("EPOQUE").records.front().spelling, toWin1252("époque"));
  EXPECT_EQ(vocabulary_.keys().at("TETINE").records.front().spelling, toWin1252("tétine"));
}

TEST_F(VocabularyTest, LevelsFollowTodaysUsageThenTheThesaurusThenTheQuotations) {
  const auto& keys = vocabulary_.keys();
  EXPECT_EQ(keys.at("MAISON").level, 1);
  EXPECT_EQ(keys.at("GERANT").level, 1);  // named by today's thesaurus
  EXPECT_EQ(keys.at("EPOQUE").level, 1);  // known by its quotations only
  EXPECT_EQ(keys.at("ABOYER").level, 0);  // known by no signal
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

// What a player meets: the general sense first, never a form of the word in the hint, no
// offensive sense, a participle defined by its verb, today's words defined by the thesaurus.
TEST_F(VocabularyTest, EachWordShowsTheSenseAPlayerKnows) {
  EXPECT_EQ(definitionLines("DANSER", true),
            std::vector<std::string>{"danser, v. n. : Mouvoir le corps en cadence."});
  EXPECT_EQ(definitionLines("MARRON", false),
            std::vector<std::string>{"Animal domestique devenu sauvage. \"...\" (Mol.)"});
  EXPECT_EQ(definitionLines("LANCEE", true),
            std::vector<std::string>{"lancée, part. passé de lancer : Jeter avec force. \"Une "
                                     "citation assez longue\" (Mol.)"});
  EXPECT_EQ(definitionLines("CINEMA", true),
            std::vector<std::string>{"cinéma, s. m. : Synonymes : écran, salle obscure."});
}

// The judging dump: what a draw can show, read back through the game's own reader.
TEST_F(VocabularyTest, TheDumpListsWhatADrawCanShowInBothForms) {
  std::vector<DumpedWord> words = dumpDataSet(folder_.dataFolder());
  auto maison = std::find_if(words.begin(), words.end(),
                             [](const DumpedWord& w) { return w.key == "MAISON"; });
  ASSERT_NE(maison, words.end());
  EXPECT_EQ(maison->level, 1);
  EXPECT_EQ(maison->shortForm, "Bâtiment servant de logis. La ...... est belle. \"...\" (Mol.)");
  EXPECT_EQ(maison->full.rfind("maison, s. f. : ", 0), 0u);
  for (const DumpedWord& word : words) {
    EXPECT_TRUE(word.level > 0 || word.inClass) << word.key;  // "aboyer" is never drawn
  }
  std::ostringstream out;
  printDump(words, out);
  EXPECT_NE(out.str().find("1\tmaison\tmaison, s. f. : "), std::string::npos);
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
  Thesaurus thesaurus;
  thesaurus.addLines({"pierre|1", "(Nom)|caillou|roc", "claude|1", "(Adjectif)|sot"});
  Vocabulary vocabulary;
  vocabulary.addCommonWords(littre.build(), lexicon);
  vocabulary.addProperNouns(lexicon, signals);
  vocabulary.noteFirstNames(lexicon, signals, thesaurus);
  vocabulary.assignLevels(signals, thesaurus);
  EXPECT_EQ(vocabulary.keys().at("CLAUDE").level, 1);  // the name is common, not the word: the
                                                       // thesaurus alone places it
  EXPECT_EQ(vocabulary.keys().at("CLAUDE").standing.subtitleRank, -1);
  EXPECT_EQ(vocabulary.keys().at("PIERRE").standing.subtitleRank, 1);  // quoted more as a stone
  EXPECT_EQ(vocabulary.keys().at("ROBERT").standing.subtitleRank, 2);  // not a name of the lexicon
}

TEST(VocabularyNameTest, AWordThatTodaysThesaurusDoesNotKnowTakesNoRankFromItsNamesake) {
  LittreBuilder littre;
  littre.add({"VIENNE"}, article("s. f.", "Un des noms de la clématite."));
  littre.add({"ORANGE"}, article("s. f.", "Fruit de l'oranger."));
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\n");
  folder.writeFile("fr.dic", "4\nvienne\norange\nVienne po:npr\nOrange po:npr\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"vienne", "orange"}, nullptr);
  signals.addQuotation("une orange, une orange");
  Thesaurus thesaurus;
  thesaurus.addLines({"orange|1", "(Nom)|agrume"});
  Vocabulary vocabulary;
  vocabulary.addCommonWords(littre.build(), lexicon);
  vocabulary.noteFirstNames(lexicon, signals, thesaurus);
  vocabulary.assignLevels(signals, thesaurus);
  EXPECT_EQ(vocabulary.keys().at("VIENNE").standing.subtitleRank, -1);  // the city
  EXPECT_EQ(vocabulary.keys().at("ORANGE").standing.subtitleRank, 1);   // the fruit
}

// The review orders the levels, leaves out of a class a word nobody knows today, and puts
// our own definition in place of the dictionary's, unless it would give the word away.
TEST(VocabularyReviewTest, JudgementsAndOwnDefinitionsReachTheDataSet) {
  LittreBuilder littre;
  littre.add({"ARGENT"}, article("s. m.", "Terme de blason. Un des émaux de l'écu."));
  littre.add({"GÉRANT, ANTE"}, article("s. m. et f.", "Celui qui gère."));
  littre.add({"GRENAT"}, article("s. m.", "Pierre précieuse rouge."));
  littre.add({"DANSER"}, article("v. n.", "Mouvoir le corps en cadence."));
  littre.add({"MAISON"}, article("s. f.", "Bâtiment servant de logis."));
  littre.add({"LOUCHE"}, article("adj.", "Qui a de la peine à voir droit."));
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\n");
  folder.writeFile("fr.dic",
                   "11\nargent\ngérant\ngrenat\ndanser\nmaison\nArgent po:npr\n"
                   "tennis po:nom\nyaourt po:nom\nhockey po:nom\nlouche\nchelou\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"maison", "grenat", "argent", "danser", "gérant"}, nullptr);
  Review review;
  for (const char* line :
       {"argent\t1\t-\tMétal blanc et précieux ; la monnaie.", "gérant\t5\t-\t-",
        "grenat\t3\tadj.\tD'un rouge sombre.", "danser\t1\tv. a.\tFaire une danse.",
        "chelou\t2\tadj.\tBizarre, louche.", "louche\t2\t-\tSuspect, chelou.",
        "maison\t2\t-\tLogis d'un salaud.", "trésor\t1\ts. m.\tRichesse.",
        "tennis\t4\ts. m.\tSport de raquette.", "yaourt\t5\t-\t-", "hockey\t1\t-\tSport de crosse.",
        "crosse\t1\ts. f.\tBâton."}) {
    ASSERT_TRUE(review.addLine(line)) << line;
  }
  Vocabulary vocabulary;
  vocabulary.addCommonWords(littre.build(), lexicon);
  vocabulary.addReviewedWords(review, lexicon);
  vocabulary.addProperNouns(lexicon, signals);
  EXPECT_EQ(vocabulary.applyReview(review), (std::vector<std::string>{"danser", "maison"}));
  vocabulary.assignLevels(signals, Thesaurus());
  const auto& keys = vocabulary.keys();
  EXPECT_EQ(keys.count("GERANT"), 0u);  // unknown today: left out of the class of "argent"
  // A word of today's lexicon that the review defines joins the vocabulary, even a rare one;
  // not one it judges unknown, one it gives no category, nor one that today's lexicon lacks
  // ("trésor", "crosse").
  ASSERT_EQ(keys.count("TENNIS"), 1u);
  EXPECT_EQ(keys.at("TENNIS").records[0].fields,
            (std::vector<std::string>{"tennis", "s. m.", "Sport de raquette."}));
  EXPECT_GT(keys.at("TENNIS").level, 0);
  // A shown word's text never names the anagram to find: "chelou", defined by "louche",
  // stays out; "louche" may name "chelou", which the vocabulary lacks.
  EXPECT_EQ(keys.at("LOUCHE").records[0].fields[2], "Suspect, chelou.");
  for (const char* absent : {"YAOURT", "HOCKEY", "TRESOR", "CROSSE", "CHELOU"}) {
    EXPECT_EQ(keys.count(absent), 0u) << absent;
  }
  EXPECT_EQ(keys.at("ARGENT").standing.familiarity, Familiarity::Everyday);
  EXPECT_EQ(keys.at("MAISON").standing.familiarity, Familiarity::Known);
  ASSERT_EQ(keys.at("ARGENT").records.size(), 1u);
  EXPECT_EQ(keys.at("ARGENT").records[0].fields,
            (std::vector<std::string>{"argent", "s. m.",
                                      toWin1252("Métal blanc et précieux ; la monnaie.")}));
  // The dictionary's text stands where our own names the word ("danse") or a kept-out word.
  EXPECT_EQ(keys.at("DANSER").records[0].fields[2].rfind("Mouvoir le corps en cadence.", 0), 0u);
  EXPECT_EQ(keys.at("MAISON").records[0].fields[2].rfind(toWin1252("Bâtiment servant"), 0), 0u);
  // Our own definition takes the category of its sense when the reader gives one.
  EXPECT_EQ(keys.at("GRENAT").records[0].fields,
            (std::vector<std::string>{"grenat", "adj.", "D'un rouge sombre."}));
}

// "pressé", a participle that the review defines, joins "presse" with its own text; a name
// that is also a word ("Menton") is no record of its own; a name that the review defines
// reads as a plain text in both forms, without the proper-noun label in the short one.
TEST(VocabularyReviewTest, HomographsAndNamesGetTheirOwnTexts) {
  LittreBuilder littre;
  littre.add({"PRESSE"}, article("s. f.", "Foule, multitude de gens qui se pressent."));
  littre.add({"MENTON"}, article("s. m.", "Partie du visage."));
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\nSFX E Y 1\nSFX E er é er\n");
  folder.writeFile("fr.dic", "5\npresse\npresser/E\nmenton\nMenton po:npr\nNevers po:npr\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addQuotation("De Menton à Nevers, la presse.");
  Review review;
  for (const char* line : {"presse\t1\t-\tEnsemble des journaux.", "pressé\t1\tadj.\tQui a hâte.",
                           "Nevers\t3\tnom propre\tVille de la Nièvre.", "Menton\t3\tnom propre\tVille."}) {
    ASSERT_TRUE(review.addLine(line)) << line;
  }
  Vocabulary vocabulary;
  vocabulary.addCommonWords(littre.build(), lexicon);
  vocabulary.addReviewedWords(review, lexicon);
  vocabulary.addProperNouns(lexicon, signals);
  EXPECT_TRUE(vocabulary.applyReview(review).empty());
  vocabulary.assignLevels(signals, Thesaurus());
  const auto& keys = vocabulary.keys();
  ASSERT_EQ(keys.at("PRESSE").records.size(), 2u);
  EXPECT_EQ(keys.at("PRESSE").records[0].fields[2], "Ensemble des journaux.");
  EXPECT_EQ(keys.at("PRESSE").records[1].fields,
            (std::vector<std::string>{toWin1252("pressé"), "adj.", toWin1252("Qui a hâte.")}));
  ASSERT_EQ(keys.at("MENTON").records.size(), 1u);
  EXPECT_FALSE(keys.at("MENTON").records[0].properNoun);
  writeWordData(vocabulary, folder.dataFolder());
  DataFolder data(folder.path());
  WordLists lists(data);
  OneLine measure;
  for (bool longForm : {true, false}) {
    DefinitionBox box;
    Definitions(data, lists, measure).lookUpDefinitions("NEVERS", 1, longForm, box, 20);
    EXPECT_EQ(box.lines, std::vector<std::string>{toWin1252(
                             longForm ? "Nevers : nom propre, Ville de la Nièvre." : "Ville de la Nièvre.")});
  }
}

TEST(WordSignalsTest, ALemmaWeighsItsFormsAndSpellingsKeepTheirAccents) {
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\nSFX S Y 1\nSFX S 0 s .\n");
  folder.writeFile("fr.dic", "3\nmaison/S\ncrâne/S\nbateau\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"de", "bateau", "crânes", "maisons", "maison"}, &lexicon);
  EXPECT_EQ(signals.subtitleRank("maison"), 0);  // its plural and itself outweigh "bateau"
  EXPECT_EQ(signals.subtitleRank("bateau"), 1);
  EXPECT_EQ(signals.subtitleRank(toWin1252("crâne")), -1);  // five letters
  EXPECT_EQ(signals.subtitleRank(toWin1252("crânes")), -1);  // a plural counts for its lemma
  EXPECT_EQ(signals.subtitleRank("cranes"), -1);
  // An encyclopedia's list counts at a fraction of its weight: it ranks what the subtitles
  // lack, after what they hold.
  signals.addSubtitleWords({"viaduc"}, &lexicon, 0.5);
  EXPECT_GT(signals.subtitleRank("viaduc"), signals.subtitleRank("bateau"));
  signals.addQuotation("<i>Maison</i> et maison, MAISON ; maisonnette.");
  EXPECT_EQ(signals.quotationCount("maison"), 3);
  EXPECT_EQ(signals.quotationCount("maisonnette"), 0);
}

TEST(WordSignalsTest, AFormSharedByTwoLemmasCountsOnlyForTheOneItBeginsWith) {
  test::TempFolder folder;
  folder.writeFile("fr.aff",
                   "SET UTF-8\nSFX V Y 2\nSFX V er e er\nSFX V er es er\n"
                   "SFX S Y 1\nSFX S 0 s .\n");
  folder.writeFile("fr.dic", "5\nherbe/S\nherber/V\nparler/V\nmeuble/S\nmeubler/V\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  WordSignals signals;
  signals.addSubtitleWords({"de", "herbe", "herbes", "parles", "meubles", "meuble"}, &lexicon);
  EXPECT_EQ(signals.subtitleRank("herber"), -1);  // the noun's lines are not the verb's
  EXPECT_EQ(signals.subtitleRank("meuble"), 0);   // its plural counts for the noun, not "meubler"
  EXPECT_EQ(signals.subtitleRank("meubler"), -1);
  EXPECT_EQ(signals.subtitleRank("parler"), 1);   // through one of its forms
  // A plural or a conjugated form counts for its lemmas, not for a headword of its spelling.
  EXPECT_EQ(signals.subtitleRank("herbes"), -1);
  EXPECT_EQ(signals.subtitleRank("parles"), -1);
}

// The forms a player may type: suffixes by their conditions, a prefix over a suffix, the
// ligature spelled out, a capital's accent folded; a stem that needs an affix and a form
// of another length are not words to type.
TEST(LexiconTest, EveryFormTheAffixRulesDeriveIsKnownByItsPlainForm) {
  test::TempFolder folder;
  folder.writeFile("fr.aff",
                   "SET UTF-8\nFLAG long\nNEEDAFFIX ()\n"
                   "SFX S. Y 2\nSFX S. 0 s [^sx]\nSFX S. 0 x [u]\n"
                   "SFX F. Y 2\nSFX F. 0 e .\nSFX F. 0 es .\n"
                   "SFX V. Y 2\nSFX V. er a er\nSFX V. er ez er\n"
                   "PFX R. Y 1\nPFX R. 0 re .\n");
  folder.writeFile("fr.dic", "6\ncher/F.S.\nenliser/V.\ncœur/S.\nÉgypte\nfiler/R.V.\n"
                             "chant/()S.\n");
  Lexicon lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic");
  EXPECT_EQ(lexicon.formKeys(6), (std::vector<std::string>{"CHANTS", "CHERES", "COEURS", "EGYPTE",
                                                          "ENLISA", "REFILA"}));
  EXPECT_EQ(lexicon.formKeys(5),
            (std::vector<std::string>{"CHERE", "CHERS", "COEUR", "FILER", "FILEZ"}));
}

TEST(LexiconTest, MissingDictionaryFilesAreNamed) {
  test::TempFolder folder;
  folder.writeFile("fr.aff", "SET UTF-8\n");
  EXPECT_THROW(Lexicon(folder.path() / "fr.aff", folder.path() / "fr.dic"), IoError);
}

}  // namespace
}  // namespace vorlane::mkdata
