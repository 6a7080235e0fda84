#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/DefinitionWriter.h"
#include "data/Definitions.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::TempFolder;

class DefinitionWriterTest : public ::testing::Test {
 protected:
  std::string bytes() const { return temp.readFile("Dicx.666"); }

  TempFolder temp;
  DefinitionWriter writer{temp.path() / "Dicx.666"};
};

TEST_F(DefinitionWriterTest, WritesKnownBytesAndAddresses) {
  EXPECT_EQ(writer.size(), 1u);
  EXPECT_EQ(writer.appendPlain({"ab", "c"}), 1u);
  // Offset 6: shift 11; "é" is stored as 142, the separator 166, "õ" (245) wraps over 255
  // to 1; word record 3: mask 400.
  EXPECT_EQ(writer.appendScrambled(3, {toWin1252("é"), toWin1252("aõ")}), 406u);
  // Offset 11: shift 13; "þ" is stored as 254 and wraps to 12; record 12: mask 2100.
  EXPECT_EQ(writer.appendScrambled(12, {toWin1252("þ")}), 2111u);
  EXPECT_EQ(writer.size(), 13u);
  EXPECT_EQ(bytes(),
            "#ab\xA6"
            "c#\x99\xB1l\x01#\x0C#");
}

// Each of the ten shifts belongs to an offset's last digit, each of the ten address masks
// to a word record number's: a record "a" at offsets ending in 0 to 9, of records 0 to 9.
TEST_F(DefinitionWriterTest, EachOffsetHasItsShiftAndEachWordRecordItsMask) {
  const int shifts[10] = {7, 13, 4, 22, 9, 17, 11, 26, 5, 19};
  const std::uint32_t masks[10] = {700, 1300, 2100, 400, 2900, 1600, 900, 2500, 300, 1800};
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    while (writer.size() % 10 != static_cast<std::uint64_t>(k)) writer.appendPlain({});
    const auto offset = static_cast<std::uint32_t>(writer.size());
    EXPECT_EQ(writer.appendScrambled(k, {"a"}), offset + masks[k]);
    EXPECT_EQ(static_cast<unsigned char>(bytes()[offset]), 'a' + shifts[k]);
  }
}

TEST_F(DefinitionWriterTest, RefusesTextsThatCannotBeStoredSafely) {
  struct Row {
    const char* utf8;
    bool plainRefused;
  };
  // At offset 1 the shift is 13, which would store the control byte 22 as 35.
  const Row rows[] = {{"a#b", true}, {"¶", true}, {"ÿ", true}, {"ƒ", true}, {"\x16", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.utf8);
    std::vector<std::string> fields = {"barque", toWin1252(row.utf8)};
    EXPECT_THROW(writer.appendScrambled(0, fields), DefinitionDataError);
    EXPECT_EQ(writer.size(), 1u);
    if (row.plainRefused) {
      EXPECT_THROW(writer.appendPlain(fields), DefinitionDataError);
    }
  }
  EXPECT_EQ(bytes(), "#");
  EXPECT_THROW(writer.appendScrambled(-1, {"barque"}), DefinitionDataError);
  EXPECT_EQ(writer.appendPlain({"\x16"}), 1u);
}

}  // namespace
}  // namespace vorlane
