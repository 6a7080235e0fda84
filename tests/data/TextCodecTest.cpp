#include <gtest/gtest.h>

#include <map>
#include <string>

#include "data/TextCodec.h"

namespace vorlane {
namespace {

TEST(TextCodecTest, PlainFormFoldsAccentsOfSmallLettersOnly) {
  EXPECT_EQ(plainForm(toWin1252("été")), "ETE");
  EXPECT_EQ(plainForm(toWin1252("garçon")), "GARCON");
  EXPECT_EQ(plainForm(toWin1252("où")), "OU");
  EXPECT_EQ(plainForm(toWin1252("naïve")), "NAIVE");
  EXPECT_EQ(plainForm(toWin1252("cañon")), "CANON");
  EXPECT_EQ(plainForm("Paris"), "PARIS");
  // A capital É keeps its upper-case form.
  EXPECT_EQ(plainForm(toWin1252("École")), toWin1252("ÉCOLE"));
  // œ is not folded: it keeps its upper-case form Œ.
  EXPECT_EQ(plainForm(toWin1252("œ")), toWin1252("Œ"));
  // Small letters without a bare form take their capitals, at both ends of the range;
  // the signs × and ÷ and the ß that has no capital stay as they are.
  EXPECT_EQ(plainForm(toWin1252("æøþÿšž")), toWin1252("ÆØÞŸŠŽ"));
  EXPECT_EQ(plainForm(toWin1252("×÷ß")), toWin1252("×÷ß"));
}

TEST(TextCodecTest, StoredBytesDisplayThroughTheTable) {
  EXPECT_EQ(decodeStoredByte(142), toWin1252("é"));
  EXPECT_EQ(decodeStoredByte(131), toWin1252("É"));
  EXPECT_EQ(decodeStoredByte(139), "a");
  EXPECT_EQ(decodeStoredByte(166), toWin1252("¶"));
  EXPECT_EQ(decodeStoredByte(199), toWin1252("«"));
  EXPECT_EQ(decodeStoredByte(206), "Oe");
  EXPECT_EQ(decodeStoredByte(207), "oe");
  EXPECT_EQ(decodeStoredByte('k'), "k");
  EXPECT_EQ(decodeStoredByte(0xE9), "\xE9");  // outside the table: unchanged
  EXPECT_EQ(plainForm(displayForm("\xCE")), "OE");
  EXPECT_EQ(displayForm("\x8E" "t\x8E"), toWin1252("été"));
}

TEST(TextCodecTest, EveryStoredByteOfTheTableAndNoOtherIsConverted) {
  const std::map<int, std::string> table = {
      {131, "É"}, {135, "á"}, {136, "à"}, {137, "â"}, {138, "ä"}, {139, "a"}, {140, "a"},
      {141, "ç"}, {142, "é"}, {143, "è"}, {144, "ê"}, {145, "ë"}, {146, "i"}, {147, "i"},
      {148, "î"}, {149, "ï"}, {150, "ñ"}, {151, "o"}, {152, "o"}, {153, "ô"}, {154, "ö"},
      {155, "o"}, {156, "u"}, {157, "ù"}, {158, "û"}, {159, "ü"}, {164, "§"}, {165, "¤"},
      {166, "¶"}, {199, "«"}, {200, "»"}, {206, "Oe"}, {207, "oe"}};
  for (int b = 0; b < 256; ++b) {
    const auto it = table.find(b);
    const std::string expected =
        it != table.end() ? toWin1252(it->second) : std::string(1, static_cast<char>(b));
    EXPECT_EQ(decodeStoredByte(static_cast<unsigned char>(b)), expected) << b;
  }
}

TEST(TextCodecTest, EncodeStoredGivesMacRomanBytesThatDisplayAsWritten) {
  auto stored = encodeStored(toWin1252("écœurée"));
  ASSERT_FALSE(stored.has_value());  // œ displays as two letters: cannot be written as one
  stored = encodeStored(toWin1252("ça été «dit»"));
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(*stored, "\x8D" "a \x8Et\x8E \xC7" "dit\xC8");
  EXPECT_EQ(displayForm(*stored), toWin1252("ça été «dit»"));
  // Ç would be stored as 199, which shows «: refused.
  EXPECT_FALSE(encodeStored(toWin1252("Ça")).has_value());
}

// A name keeps every letter the score-name file can hold, in capitals.
TEST(TextCodecTest, NameCharactersAreCapitalLettersWithTheirAccentsOrBlanks) {
  std::string name;
  for (char typed : toWin1252("René, Œdipe & Ÿß 7×")) {
    if (auto kept = nameCharacter(typed)) name += *kept;
  }
  EXPECT_EQ(name, toWin1252("RENÉ ŒDIPE  Ÿß "));
}

TEST(TextCodecTest, Utf8RoundTrip) {
  const std::string text = "Entraînement « Œuvre » – 1€";
  EXPECT_EQ(win1252ToUtf8(toWin1252(text)), text);
  EXPECT_EQ(toWin1252("漢"), "?");
}

}  // namespace
}  // namespace vorlane
