#include <gtest/gtest.h>

#include "CleanText.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

TEST(CleanTextTest, MarkupLosesItsTagsEntitiesAndStraySpaces) {
  EXPECT_EQ(cleanMarkup("<b>1°</b>  Qui   frémit , et <i>tremble</i> ."),
            "1° Qui frémit, et tremble.");
  EXPECT_EQ(cleanMarkup("pain &amp; sel &lt;b&gt;"), "pain et sel b");
  EXPECT_EQ(cleanMarkup("un mot ( rare ) ; un autre: \"dit\"\n  suite"),
            "un mot (rare) ; un autre : 'dit' suite");
  EXPECT_EQ(cleanMarkup("  <br/>  "), "");
}

TEST(CleanTextTest, StorableTextSpellsWhatTheStoredSetLacks) {
  EXPECT_EQ(storableText("cœur « ça » …"), toWin1252("coeur « ça »..."));
  EXPECT_EQ(storableText("Ça — ÈVE ÎLE"), "Ca - EVE ILE");
  EXPECT_EQ(storableText("n° 3 # ¶ ¦ ÿ"), toWin1252("n° 3 y"));
  EXPECT_EQ(storableText("l’âme “x”"), toWin1252("l'âme 'x'"));
  for (const char* sample : {"Œuvre æther ïambe ÷ ½", "Übermaß Ñandú"}) {
    std::string text = storableText(sample);
    auto stored = encodeStored(text);
    ASSERT_TRUE(stored.has_value()) << sample;
    EXPECT_EQ(displayForm(*stored), text);
    EXPECT_EQ(stored->find_first_of("#\xA6\xFF"), std::string::npos);
  }
}

struct CutRow {
  const char* text;
  std::size_t limit;
  const char* expected;
};

class CutAtSentenceTest : public ::testing::TestWithParam<CutRow> {};

TEST_P(CutAtSentenceTest, CutsAtTheLastSentenceEndWithinTheLimit) {
  EXPECT_EQ(cutAtSentence(GetParam().text, GetParam().limit), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CutAtSentenceTest,
    ::testing::Values(
        CutRow{"Short enough.", 40, "Short enough."},
        CutRow{"First sentence here. Second one is longer.", 30, "First sentence here."},
        CutRow{"First sentence here. Second one. Third sentence.", 33,
               "First sentence here. Second one."},
        CutRow{"A long clause without end ; then more words, and more", 40,
               "A long clause without end."},
        CutRow{"Words and words, more words and words", 30, "Words and words."},
        CutRow{"Wordswordswords wordswordswords wordswords", 30, "Wordswordswords..."},
        CutRow{"Et ainsi de suite... Puis une autre phrase bien longue.", 30,
               "Et ainsi de suite..."}));

}  // namespace
}  // namespace vorlane::mkdata
