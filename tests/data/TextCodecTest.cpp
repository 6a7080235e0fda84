#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "data/TextCodec.h"

namespace vorlane {
namespace {

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
  EXPECT_EQ(displayForm("\x8E" "t\x8E \xCE"), toWin1252("été Oe"));
  EXPECT_EQ(plainForm(displayForm("\xCE")), "OE");
  // Written back: a character beyond ASCII that the table shows takes its table byte; any other passes
  // through unless its own byte is one the table converts (it would not show as itself).
  std::map<std::string, int> byGlyph;
  for (const auto& [b, glyph] : table) {
    const std::string shown = toWin1252(glyph);
    if (shown.size() == 1 && static_cast<unsigned char>(shown[0]) >= 0x80) byGlyph.emplace(shown, b);
  }
  for (int c = 0; c < 256; ++c) {
    const std::string one(1, static_cast<char>(c));
    const auto stored = encodeStored(one);
    if (const auto it = byGlyph.find(one); it != byGlyph.end()) {
      EXPECT_EQ(stored, std::string(1, static_cast<char>(it->second))) << c;
    } else if (table.count(c) != 0) {
      EXPECT_FALSE(stored.has_value()) << c;
    } else {
      EXPECT_EQ(stored, one) << c;
    }
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

// Pairs of a small letter and its capital, in UTF-8, for the rules below.
struct Folding {
  const char* from;
  const char* to;
};

// Every byte against the rule: a name keeps blanks and letters, in capitals with their
// accents; a key of a word search folds the accents of small letters and upper-cases the rest.
TEST(TextCodecTest, EveryByteFollowsTheNameAndThePlainFormRules) {
  const Folding capitals = {"abcdefghijklmnopqrstuvwxyzàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿšœž",
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŸŠŒŽ"};
  const std::string capitalLetters = toWin1252(capitals.to) + toWin1252("ß");
  const Folding bare = {"àáâäçèéêëîïñôöùûü", "AAAACEEEEIINOOUUU"};
  std::map<unsigned char, unsigned char> upper, plain;
  const std::string small = toWin1252(capitals.from), big = toWin1252(capitals.to);
  for (std::size_t i = 0; i < small.size(); ++i) {
    upper[static_cast<unsigned char>(small[i])] = static_cast<unsigned char>(big[i]);
    plain[static_cast<unsigned char>(small[i])] = static_cast<unsigned char>(big[i]);
  }
  const std::string accented = toWin1252(bare.from);
  for (std::size_t i = 0; i < accented.size(); ++i) {
    plain[static_cast<unsigned char>(accented[i])] = static_cast<unsigned char>(bare.to[i]);
  }
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    const auto c = static_cast<unsigned char>(b);
    const char ch = static_cast<char>(b);
    std::optional<char> name;
    if (c == ' ') name = ' ';
    if (upper.count(c) != 0) name = static_cast<char>(upper[c]);
    if (capitalLetters.find(ch) != std::string::npos) name = ch;
    EXPECT_EQ(nameCharacter(ch), name);
    const unsigned char key = plain.count(c) != 0 ? plain[c] : c;
    EXPECT_EQ(plainForm(std::string(1, ch)), std::string(1, static_cast<char>(key)));
  }
  EXPECT_EQ(plainForm(toWin1252("Été, ÉCOLE, garçon")), toWin1252("ÉTE, ÉCOLE, GARCON"));
}

// Every Windows-1252 byte goes to UTF-8 and back; what UTF-8 holds beyond it, cut short or
// malformed, becomes "?" and the text after it is kept.
TEST(TextCodecTest, Utf8AndWindows1252ConvertEveryCharacterBothWays) {
  const std::string undefined = "\x81\x8D\x8F\x90\x9D";
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const bool defined = undefined.find(one) == std::string::npos;
    EXPECT_EQ(toWin1252(win1252ToUtf8(one)), defined ? one : "?") << b;
  }
  EXPECT_EQ(win1252ToUtf8("\x80\xA0\xE9\xFF\x9C"), "€\u00A0éÿœ");
  EXPECT_EQ(win1252ToUtf8("\x81"), "\xEF\xBF\xBD");
  EXPECT_EQ(toWin1252("Entraînement « Œuvre » – 1€"), "Entra\xEEnement \xAB \x8Cuvre \xBB \x96 1\x80");
  EXPECT_EQ(toWin1252("a漢b"), "a?b");
  EXPECT_EQ(toWin1252("a\u0900b\u07FFc"), "a?b?c")
      << "the lowest three-byte lead, the last two-byte form";
  EXPECT_EQ(toWin1252("\u0080\u009F\u0100"), "???")
      << "the controls of 0x80 to 0x9F, and the first past 0xFF";
  EXPECT_EQ(toWin1252("a\xF0\x9F\x98\x80" "b"), "a?b");
  EXPECT_EQ(toWin1252("\xF1\x80\x80\x80\xF4\x8F\xBF\xBF"), "??");
  EXPECT_EQ(toWin1252("a\xC3"), "a?");
  EXPECT_EQ(toWin1252("a\xE2\x82"), "a?");
  EXPECT_EQ(toWin1252("\xF0\x9F\x98"), "?");
  // Bytes that are no UTF-8: Latin-1 text, a stray continuation byte, overlong forms of
  // "A" and "é", leads past U+10FFFF, and a sequence cut short by an ASCII letter.
  EXPECT_EQ(toWin1252("\xE9t\xE9"), "?t?");
  EXPECT_EQ(toWin1252("a\xA9\xBF" "b"), "a??b");
  EXPECT_EQ(toWin1252("\xC0\x81\xC1\x81"), "????");
  EXPECT_EQ(toWin1252("\xE0\x81\x81\xE0\x83\xA9\xF0\x80\x83\xA9"), "???");
  EXPECT_EQ(toWin1252("\xC2\xA0\xC3\xA9"), "\xA0\xE9") << "the least two-byte forms";
  EXPECT_EQ(toWin1252("\xF4\x90\x80\x80\xF5\xFF"), "???");
  EXPECT_EQ(toWin1252("\xC3" "t\xE2\x82" "e"), "?t?e");
}

}  // namespace
}  // namespace vorlane
