#include <gtest/gtest.h>

#include "KeptOut.h"
#include "data/IoError.h"
#include "support/TempFolder.h"

namespace vorlane::mkdata {
namespace {

// Words whose old innocent sense the dictionary still gives, but that a player reads today
// as vulgar: they stay out however the sources define them.
TEST(KeptOutTest, TodaysVulgarReadingsStayOutAndTheirNeighboursStayIn) {
  KeptOut keptOut;
  for (const char* key : {"NIQUER", "BRANLE", "FOUTRE", "PUTAIN", "BICOTS", "YOUPIN", "VIOLER",
                          "SPERME", "FOIRER", "NEGRES"}) {
    EXPECT_TRUE(keptOut.isKeptOut(key)) << key;
  }
  for (const char* key : {"NIQUEE", "BAISER", "CHATTE", "BANDER", "VIOLON", "A", ""}) {
    EXPECT_FALSE(keptOut.isKeptOut(key)) << key;
  }
}

TEST(KeptOutTest, AProfanityListAddsItsWordsButNotTheirInnocentSensesNorDisguisedSpellings) {
  test::TempFolder folder;
  folder.writeFile("list.txt", "connard\nc0nnard\nbâtard\ngland\ngourde\ndu schnoc\nmanche\n");
  KeptOut keptOut;
  keptOut.addListFile(folder.path() / "list.txt");
  EXPECT_TRUE(keptOut.isKeptOut("CONNARD"));
  EXPECT_TRUE(keptOut.isKeptOut("BATARD"));
  for (const char* key : {"GLAND", "GOURDE", "MANCHE", "C0NNARD", "SCHNOC"}) {
    EXPECT_FALSE(keptOut.isKeptOut(key)) << key;
  }
  EXPECT_THROW(keptOut.addListFile(folder.path() / "absent.txt"), IoError);
}

// Senses and quotations that a family game does not show, by the words they hold or by
// the phrases with which the dictionary marks an insult.
TEST(KeptOutTest, OffensiveTextsAreToldFromInnocentOnes) {
  KeptOut keptOut;
  for (const char* text :
       {"Les règles des femmes.", "Terme familier d'injure dont on se sert pour une femme.",
        "Les nègres de l'Afrique.", "Esclave NÈGRE fugitif.", "Les testicules d'un sanglier."}) {
    EXPECT_TRUE(keptOut.isOffensive(text)) << text;
  }
  for (const char* text : {"Ongle crochu de certains quadrupèdes.", "Violon d'Ingres.",
                           "Les règles du jeu.", "Une injure grave.", ""}) {
    EXPECT_FALSE(keptOut.isOffensive(text)) << text;
  }
}

}  // namespace
}  // namespace vorlane::mkdata
