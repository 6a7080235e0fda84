#include <gtest/gtest.h>

#include "LittreEntry.h"

namespace vorlane::mkdata {
namespace {

// Articles written as the Littré's StarDict edition writes them.
const char* const kNumberedArticle =
    "<i><small>(è-mé) v. a.</small></i>\n\n"
    "<b>1°</b> Avoir un sentiment d'affection, de tendresse pour. Aimer son père, ses enfants. \n"
    "<span foreground=\"#0000CD\">Cet homme si fidèle aux particuliers, si redoutable à l'État, "
    "d'un caractère si haut qu'on ne pouvait ni l'estimer, ni le craindre, ni l'aimer, ni le "
    "haïr à demi....</span>, <span foreground=\"#B22222\">BOSSUET</span>, "
    "<span foreground=\"#556B2F\">Le Tellier.</span>.\n"
    "<span foreground=\"#0000CD\">Je me fis aimer de tous les bergers</span>, "
    "<span foreground=\"#B22222\">FÉN.</span>, <span foreground=\"#556B2F\">Tél. II</span>.\n\n"
    "<b>2°</b> Absolument. \n\n"
    "<b>3°</b> Éprouver la passion de l'amour.\n\n"
    "<b><big>HISTORIQUE</big></b>\n\n<b>XIe s.</b> Amer ; aimer sa dame.\n\n"
    "<b><big>ÉTYMOLOGIE</big></b>\n\nLatin amare.";

TEST(LittreEntryTest, ReadsCategoryFirstSenseAndAShortQuotation) {
  LittreEntry entry = parseLittreEntry(kNumberedArticle);
  EXPECT_EQ(entry.category, "v. a.");
  EXPECT_EQ(entry.definition,
            "Avoir un sentiment d'affection, de tendresse pour. Aimer son père, ses enfants.");
  // The first quotation is too long; the next one is taken, with its author.
  EXPECT_EQ(entry.quotation, "Je me fis aimer de tous les bergers");
  EXPECT_EQ(entry.author, "Fén.");
}

TEST(LittreEntryTest, AShortFirstSenseIsFollowedByTheNextOne) {
  LittreEntry entry = parseLittreEntry(
      "<i><small>(chan-s') s. f.</small></i>\n\n<b>1°</b> Sorte de jeu.\n"
      "<span foreground=\"#0000CD\">Ils jouaient à la chance</span>, "
      "<span foreground=\"#B22222\">LA FONT.</span>, <span foreground=\"#556B2F\">Fab.</span>.\n\n"
      "<b>2°</b> Heureux hasard, bonne fortune.\n\n<b>3°</b> Probabilité.");
  EXPECT_EQ(entry.category, "s. f.");
  EXPECT_EQ(entry.definition, "Sorte de jeu. Heureux hasard, bonne fortune.");
  EXPECT_EQ(entry.quotation, "Ils jouaient à la chance");
  EXPECT_EQ(entry.author, "La Font.");
}

TEST(LittreEntryTest, ASecondSenseInLowerCaseStartsASentenceOfItsOwn) {
  EXPECT_EQ(parseLittreEntry("<i><small>(do-né) v. a.</small></i>\n<small>\n<b>1°</b> Faire don "
                             "ou donation.\n<b>2°</b> accorder.\n<b>3°</b> procurer.")
                .definition,
            "Faire don ou donation. Accorder.");
  EXPECT_EQ(parseLittreEntry("<b>1°</b> Sorte de jeu\n<b>2°</b> hasard heureux").definition,
            "Sorte de jeu. Hasard heureux.");
}

TEST(LittreEntryTest, AnArticleWithoutNumberedSensesIsOneSense) {
  LittreEntry entry = parseLittreEntry(
      "<i><small>(fré-mi-san, san-t') adj.</small></i>\n    Qui frémit. Les vagues frémissantes. \n"
      "<span foreground=\"#0000CD\">L'appareil frémissant de la guerre</span>, "
      "<span foreground=\"#B22222\">SAINT-SIMON</span>, <span foreground=\"#556B2F\">Tél.</span>.\n"
      "<b><big>ÉTYMOLOGIE</big></b>\n\nFrémir.");
  EXPECT_EQ(entry.category, "adj.");
  EXPECT_EQ(entry.definition, "Qui frémit. Les vagues frémissantes.");
  EXPECT_EQ(entry.quotation, "L'appareil frémissant de la guerre");
  EXPECT_EQ(entry.author, "Saint-Simon");
}

TEST(LittreEntryTest, ALongSenseIsCutAtASentenceEndAndHistoryNeverShows) {
  std::string sense = "<b>1°</b> Bâtiment servant de logis.";
  for (int i = 0; i < 30; ++i) sense += " Maison de ville.";
  LittreEntry entry = parseLittreEntry("<i><small>(mè-zon) s. f.</small></i>\n\n" + sense +
                                       "\n<b><big>HISTORIQUE</big></b>\n\nMeson.");
  EXPECT_LE(entry.definition.size(), kDefinitionLimit);
  EXPECT_EQ(entry.definition.substr(0, 34), "Bâtiment servant de logis. Maison");
  EXPECT_EQ(entry.definition.back(), '.');
  EXPECT_EQ(entry.definition.find("Meson"), std::string::npos);
  EXPECT_TRUE(entry.quotation.empty());
}

TEST(LittreEntryTest, MissingHeaderOrBrokenSpansGiveWhatCanBeRead) {
  LittreEntry noHeader = parseLittreEntry("Texte seul.");
  EXPECT_EQ(noHeader.category, "");
  EXPECT_EQ(noHeader.definition, "Texte seul.");
  LittreEntry broken = parseLittreEntry(
      "<i><small>(a) s. m.</small></i>\n<b>1°</b> Premier sens. <span foreground=\"#0000CD\">sans "
      "fin");
  EXPECT_EQ(broken.category, "s. m.");
  EXPECT_EQ(broken.definition, "Premier sens.");
  EXPECT_TRUE(broken.quotation.empty());
  EXPECT_EQ(parseLittreEntry(""), LittreEntry{});
}

struct SenseRow {
  const char* sense;
  const char* definition;
  const char* seeAlso;
};

class ReferenceTest : public ::testing::TestWithParam<SenseRow> {};

TEST_P(ReferenceTest, WhatPointsElsewhereLeavesTheDefinition) {
  LittreEntry entry = parseLittreEntry(std::string("<i><small>(x) s. m.</small></i>\n<b>1°</b> ") +
                                       GetParam().sense);
  EXPECT_EQ(entry.definition, GetParam().definition);
  EXPECT_EQ(entry.seeAlso, GetParam().seeAlso);
}

INSTANTIATE_TEST_SUITE_P(
    Senses, ReferenceTest,
    ::testing::Values(
        SenseRow{"Voy. TAMOUL.", "", "TAMOUL"}, SenseRow{"Voy BECCARD", "", "BECCARD"},
        SenseRow{"Breuvage enivrant (voy. PHILTRE). Boire le philtre.",
                 "Breuvage enivrant. Boire le philtre.", ""},
        SenseRow{"Acétate de cuivre, appelé vert-de-gris, LEGOARANT. Sert en peinture.",
                 "Acétate de cuivre, appelé vert-de-gris. Sert en peinture.", ""},
        SenseRow{"Nom d'un poisson de mer, Acad. des sc. Comptes rendus, t. LXXXI, p. 998.",
                 "Nom d'un poisson de mer.", ""},
        SenseRow{"Salle éclairée. Revue maritime, t. XLV, p. 590.", "Salle éclairée.", ""},
        SenseRow{"Louis XIV adulé par une cour. Fig.", "Louis XIV adulé par une cour.", ""},
        SenseRow{"Sorte de poire, SAVARY. Voy. POIRE.", "Sorte de poire.", ""},
        SenseRow{"Voy. POIRE, SAVARY.", "", "POIRE"},
        SenseRow{"italienne (a, à, et giorno, jour ; voy. JOUR) qui désigne un éclairage.",
                 "Italienne (a, à, et giorno, jour) qui désigne un éclairage.", ""},
        SenseRow{"Altération barbare de toton, voy. ce mot.", "Altération barbare de toton.", ""},
        SenseRow{"Ce qui est fait. Main-d'oeuvre, voy. ce mot à son rang. Faire oeuvre.",
                 "Ce qui est fait. Faire oeuvre.", ""},
        SenseRow{"Étymologiquement, chose roulée ; sens inusité. Flambeau de cire.",
                 "Flambeau de cire.", ""},
        SenseRow{"Tache blanche de l'oeil. L'Académie fait ce mot du féminin.",
                 "Tache blanche de l'oeil.", ""},
        SenseRow{"Canal de l'urine. L'Académie écrit ce mot sans h. Cette orthographe vaut mieux.",
                 "Canal de l'urine.", ""},
        SenseRow{"Ce participe n'est pas dans l'Académie. Mais on peut le rappeler.", "", ""},
        SenseRow{"Fruit du balisier", "Fruit du balisier.", ""},
        SenseRow{"Rejetons de châtaigniers (forêts des Maures. Var) en tonnellerie.",
                 "Rejetons de châtaigniers (forêts des Maures. Var) en tonnellerie.", ""}));

struct CategoryRow {
  const char* header;
  const char* category;
};

class CategoryTest : public ::testing::TestWithParam<CategoryRow> {};

TEST_P(CategoryTest, TheCategoryStandsAloneWithoutPronunciationFormsOrSecondHeadword) {
  std::string article =
      std::string("<i><small>") + GetParam().header + "</small></i>\n<b>1°</b> Sens.";
  EXPECT_EQ(parseLittreEntry(article).category, GetParam().category);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, CategoryTest,
    ::testing::Values(
        CategoryRow{"(a-kì, kì-z') , part. passé d'acquérir.", "part. passé d'acquérir."},
        CategoryRow{"(a-gnô) s. m. AGNELLE (a-gnè-l'), s. f.", "s. m."},
        CategoryRow{"(ba-tr') je bats, tu bats ; battu ; v. a.", "v. a."},
        CategoryRow{"(chiin) s. m. (le mâle), s. f. (la femelle)", "s. m."},
        CategoryRow{"(pré-fi-ks') préfixe,", "préfixe"}, CategoryRow{"s. f. pl.", "s. f. pl."},
        CategoryRow{"(a-ba-ti) s. m. Il faudrait écrire abattis.", "s. m."},
        CategoryRow{"(ba-ghé) part. passé de baguer 1", "part. passé de baguer"},
        CategoryRow{"part. passé de mailler.2", "part. passé de mailler"},
        CategoryRow{"s. m. et f..", "s. m. et f."},
        CategoryRow{"(kri-eur) s.m. et f.", "s. m. et f."}, CategoryRow{"s.f.", "s. f."},
        CategoryRow{"(pèr-dr') v. a. je perds, tu perds, il perd ; je perdais ; je "
                    "perdrai ; perdant, perdu.",
                    "v. a."},
        CategoryRow{"(dé-vi-é) je déviais, nous déviions, vous déviiez ; que je "
                    "dévie.",
                    ""},
        CategoryRow{"(ò) ", ""}));

TEST(LittreEntryTest, QuotationsOfAnArticleAreListedInOrder) {
  auto quotations = quotationsOf(kNumberedArticle);
  ASSERT_EQ(quotations.size(), 2u);
  EXPECT_EQ(quotations[1], "Je me fis aimer de tous les bergers");
}

// The sense a player knows: the general one before those of a field or a period, never a
// label, an example or a form of the word alone; the category where the first sense gives it.
TEST(LittreEntryTest, TheGeneralSenseComesBeforeTheSensesOfAFieldOrAPeriod) {
  const std::string article =
      "<i><small>(ga-gné)</small></i>\n<small>\n<b>1°</b> Terme de chasse. Paître.\n"
      "<b>2°</b> Tirer un profit.</small>\n\n"
      "<b>1°</b> V. a. Terme de chasse. Paître, en parlant des animaux.\n"
      "<span foreground=\"#0000CD\">Le lapin vient gagner au bois</span>, "
      "<span foreground=\"#B22222\">LA FONT.</span>, <span foreground=\"#556B2F\">F.</span>.\n"
      "<b>2°</b> Fig. Tirer un profit en général. Gagner gros. Ils gagnent.\n"
      "<span foreground=\"#0000CD\">On gagne toujours à bien faire</span>, "
      "<span foreground=\"#B22222\">MOL.</span>, <span foreground=\"#556B2F\">F.</span>.\n"
      "<b>3°</b> Anciennement. Labourer.";
  LittreEntry entry = parseLittreEntry(article, EntryFilter{{"GAGNER"}, {}, {}});
  EXPECT_EQ(entry.category, "v. a.");
  // "Ils gagnent" would give the word away in the hint; "Gagner gros" is masked there.
  EXPECT_EQ(entry.definition, "Tirer un profit en général. Gagner gros.");
  EXPECT_EQ(entry.quotation, "On gagne toujours à bien faire");  // from the sense taken
  EXPECT_FALSE(entry.labelled);

  LittreEntry field = parseLittreEntry(
      "<i><small>(bo-sé) v. a.</small></i>\n    Terme de marine. Retenir avec des cordages.\n");
  EXPECT_EQ(field.definition, "Terme de marine. Retenir avec des cordages.");
  EXPECT_TRUE(field.labelled);
}

TEST(LittreEntryTest, ALabelAnExampleOrAnOffensiveSenseAloneIsNoDefinition) {
  EntryFilter filter{{"ANEMIE", "MARRON"}, {}, [](std::string_view text) {
                       return std::string(text).find("esclave") != std::string::npos;
                     }};
  EXPECT_EQ(parseLittreEntry("<i><small>(a) s. f.</small></i>\n    Terme de médecine.\n",
                             filter).definition,
            "");
  EXPECT_EQ(parseLittreEntry("<i><small>(a) s. f.</small></i>\n<b>1°</b> Anémie grave.\n"
                             "<b>2°</b> Défaut de sang.\n",
                             filter).definition,
            "Défaut de sang.");
  EXPECT_EQ(parseLittreEntry("<i><small>(a) adj.</small></i>\n<b>1°</b> Un esclave fugitif.\n"
                             "<b>2°</b> Devenu sauvage.\n",
                             filter).definition,
            "Devenu sauvage.");
  // A long sense after its label is cut, the label kept.
  std::string longSense = "Terme de médecine. État du sang";
  for (int i = 0; i < 12; ++i) longSense += ", qui consiste en un abaissement des globules";
  longSense += ".";
  LittreEntry cut = parseLittreEntry("<i><small>(a) s. f.</small></i>\n    " + longSense + "\n");
  EXPECT_EQ(cut.definition.rfind("Terme de médecine. État du sang", 0), 0u);
  EXPECT_LE(cut.definition.size(), kDefinitionLimit + 4);
}

TEST(LittreEntryTest, OtherFormsOfAHeadwordAreToldFromItAndFromWordsThatHoldIt) {
  EXPECT_TRUE(isOtherForm("DANSEZ", "DANSER"));
  EXPECT_TRUE(isOtherForm("DANSONS", "DANSER"));
  EXPECT_TRUE(isOtherForm("CONTREDANSE", "DANSER"));
  EXPECT_TRUE(isOtherForm("PETIT", "PETITE"));
  EXPECT_TRUE(isOtherForm("DUCAUX", "DUCALE"));  // the plural in "-aux" shares four letters
  EXPECT_TRUE(isOtherForm("AMICAUX", "AMICAL"));
  EXPECT_FALSE(isOtherForm("DUCATS", "DUCALE"));
  EXPECT_FALSE(isOtherForm("DANSER", "DANSER"));
  EXPECT_FALSE(isOtherForm("MARRONNIER", "MARRON"));  // masked with the word in the hint
  EXPECT_FALSE(isOtherForm("DANS", "DANSER"));
  EXPECT_FALSE(isOtherForm("MAISONS", "MAISON"));
}

}  // namespace
}  // namespace vorlane::mkdata
