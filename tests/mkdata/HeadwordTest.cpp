#include <gtest/gtest.h>

#include "Headword.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

struct HeadwordRow {
  const char* indexName;
  const char* masculine;
  const char* feminine;
};

class HeadwordTest : public ::testing::TestWithParam<HeadwordRow> {};

TEST_P(HeadwordTest, GivesTheLowerCaseSpellingAndTheFeminine) {
  const HeadwordRow& row = GetParam();
  auto headword = parseHeadword(row.indexName);
  ASSERT_TRUE(headword.has_value()) << row.indexName;
  EXPECT_EQ(headword->masculine, toWin1252(row.masculine));
  EXPECT_EQ(headword->feminine, toWin1252(row.feminine));
}

INSTANTIATE_TEST_SUITE_P(IndexNames, HeadwordTest,
                         ::testing::Values(HeadwordRow{"FRÉMISSANT, ANTE", "frémissant",
                                                       "frémissante"},
                                           HeadwordRow{"FLEURI, IE", "fleuri", "fleurie"},
                                           HeadwordRow{"PLANTÉ, ÉE", "planté", "plantée"},
                                           HeadwordRow{"ACTIF, IVE", "actif", "active"},
                                           HeadwordRow{"NOUVEAU, ELLE", "nouveau", "nouvelle"},
                                           HeadwordRow{"ENTIER, IÈRE", "entier", "entière"},
                                           HeadwordRow{"SEC, SÈCHE", "sec", "sèche"},
                                           HeadwordRow{"CHACUN, CHACUNE", "chacun", "chacune"},
                                           HeadwordRow{"PARLER.1", "parler", ""},
                                           HeadwordRow{"RÉTRACTÉ, ÉE.2", "rétracté", "rétractée"},
                                           HeadwordRow{"ÉPOQUE", "époque", ""}));

TEST(HeadwordNamesTest, NamesThatAreNotOneWordGiveNothing) {
  for (const char* name :
       {"A GOGO", "BAS-SIÉGE", "-AGE", "TREZAILLER (SE)", "FOU ou FOL, FOLLE", "", "1ER"}) {
    EXPECT_FALSE(parseHeadword(name).has_value()) << name;
  }
}

TEST(HeadwordNamesTest, TheMoreAccentedOfTwoSpellingsCountsMoreAccents) {
  EXPECT_GT(accentCount(toWin1252("équarri")), accentCount("equarri"));
  EXPECT_EQ(accentCount("maison"), 0);
}

}  // namespace
}  // namespace vorlane::mkdata
