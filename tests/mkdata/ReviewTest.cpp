#include <gtest/gtest.h>

#include <stdexcept>

#include "Review.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane::mkdata {
namespace {

TEST(ReviewTest, ReadsJudgementsAndOwnDefinitionsAndRefusesMalformedLines) {
  Review review;
  EXPECT_TRUE(review.addLine("# a comment"));
  EXPECT_TRUE(review.addLine(""));
  EXPECT_TRUE(review.addLine("maison\t1\t-\tok"));
  EXPECT_TRUE(review.addLine("vaigre\t5\t-\t-"));
  EXPECT_TRUE(review.addLine("salaud\tX\t-\t-"));
  EXPECT_TRUE(review.addLine("classe\t1\ts. f.\tGroupe d'élèves qui suivent le même cours."));
  for (const char* bad :
       {"danser\t1\tok", "danser\t0\t-\tok", "danser\t6\t-\tok", "danser\tXX\t-\tok", "\t1\t-\tok",
        "danser\t1\t-\t", "danser\t1\t\tok", "danser\t1\t-\tok\textra"}) {
    EXPECT_FALSE(review.addLine(bad)) << bad;
  }
  EXPECT_EQ(review.size(), 4u);
  ASSERT_NE(review.find("maison"), nullptr);
  EXPECT_EQ(review.find("maison")->familiarity, Familiarity::Everyday);
  EXPECT_TRUE(review.find("maison")->definition.empty());
  EXPECT_TRUE(review.find("vaigre")->definition.empty());
  EXPECT_EQ(review.find("vaigre")->familiarity, Familiarity::Unknown);
  EXPECT_EQ(review.find(toWin1252("classe"))->definition,
            "Groupe d'élèves qui suivent le même cours.");
  EXPECT_EQ(review.find(toWin1252("classe"))->category, "s. f.");
  EXPECT_TRUE(review.find("maison")->category.empty());
  EXPECT_EQ(review.find("danser"), nullptr);
  EXPECT_EQ(review.unfitWords(), std::vector<std::string>{"salaud"});
}

TEST(ReviewTest, FindsAccentedWordsByTheirWindows1252Spelling) {
  Review review;
  ASSERT_TRUE(review.addLine("épique\t2\t-\tok"));
  EXPECT_NE(review.find(toWin1252("épique")), nullptr);
  EXPECT_EQ(review.find("epique"), nullptr);
}

TEST(ReviewTest, AFileNamesItsMalformedLineAndAMissingFileIsAnIoError) {
  test::TempFolder folder;
  folder.writeFile("words.tsv", "# head\r\nmaison\t1\t-\tok\r\ndanser 1 - ok\r\n");
  try {
    Review review(folder.path() / "words.tsv");
    FAIL() << "a malformed line must be refused";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
  }
  folder.writeFile("good.tsv", "maison\t1\t-\tok\r\n");
  Review good(folder.path() / "good.tsv");
  ASSERT_NE(good.find("maison"), nullptr);
  EXPECT_TRUE(good.find("maison")->definition.empty());  // "ok", whatever the line ends with
  EXPECT_THROW(Review(folder.path() / "absent.tsv"), IoError);
}

}  // namespace
}  // namespace vorlane::mkdata
