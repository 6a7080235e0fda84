#include <gtest/gtest.h>

#include "Thesaurus.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane::mkdata {
namespace {

TEST(ThesaurusTest, ReadsTheGroupsOfSixLetterEntriesAndCountsTheGroupsThatNameAWord) {
  test::TempFolder folder;
  folder.writeFile("thes.dat",
                   "UTF-8\ncinéma|2\n(Nom)|ciné|écran|studio\n(Nom)|salle|studio\n"
                   "studio|1\n(Nom)|atelier|logement\nlogis|1\n(Nom)|studio|maison\n");
  Thesaurus thesaurus(folder.path() / "thes.dat");
  const auto& groups = thesaurus.groups(toWin1252("cinéma"));
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].category, "Nom");
  EXPECT_EQ(groups[0].synonyms, (std::vector<std::string>{"cin\xE9", "\xE9" "cran", "studio"}));
  EXPECT_TRUE(thesaurus.groups("logis").empty());  // five letters: no entry kept
  EXPECT_EQ(thesaurus.mentions("studio"), 4);      // three groups of others and its own
  EXPECT_EQ(thesaurus.mentions(toWin1252("cinéma")), 2);
  EXPECT_EQ(thesaurus.mentions("maison"), 1);
  EXPECT_EQ(thesaurus.mentions("absent"), 0);
  EXPECT_THROW(Thesaurus(folder.path() / "none.dat"), IoError);
}

}  // namespace
}  // namespace vorlane::mkdata
