#include "controls/TileRow.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

// A name typed into six blank tiles, one byte a letter (Windows-1252: É = C9, È = C8).
class TileRowNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    row.setText("      ");
    row.setTileIndex(0);
  }
  void type(const std::string& letters) {
    for (char letter : letters) row.typeLetter(letter);
  }
  TileRow row;
};

// Backspace takes away the letter before the place of the next one, and the next letter
// goes where it was: after a full name as after a shorter one.
TEST_F(TileRowNameTest, BackspaceErasesTheLastLetterTypedAndTheNextTakesItsPlace) {
  type("H\xC9L\xC8NE");
  EXPECT_EQ(row.text(), "H\xC9L\xC8NE");
  EXPECT_EQ(row.tileIndex(), 5);
  EXPECT_EQ(row.eraseBackward(), 5);
  EXPECT_EQ(row.text(), "H\xC9L\xC8N ");
  EXPECT_EQ(row.tileIndex(), 5);
  EXPECT_EQ(row.eraseBackward(), 4);
  EXPECT_EQ(row.text(), "H\xC9L\xC8  ");
  EXPECT_EQ(row.tileIndex(), 4);
  type("NE");
  EXPECT_EQ(row.text(), "H\xC9L\xC8NE");

  SetUp();
  type("LUC");
  EXPECT_EQ(row.eraseBackward(), 2);
  EXPECT_EQ(row.text(), "LU    ");
  EXPECT_EQ(row.tileIndex(), 2);
  type("CE");
  EXPECT_EQ(row.text(), "LUCE  ");
  EXPECT_EQ(row.tileIndex(), 4);
}

TEST_F(TileRowNameTest, EditsAtTheEdgesOfTheRow) {
  type("ABCDEFG");  // the seventh overwrites the sixth
  EXPECT_EQ(row.text(), "ABCDEG");
  row.setTileIndex(3);
  EXPECT_EQ(row.eraseBackward(), 2);  // within the name: the letter before
  EXPECT_EQ(row.text(), "AB DEG");
  EXPECT_EQ(row.eraseCurrent(), 2);
  EXPECT_EQ(row.tileIndex(), 2);
  row.setTileIndex(3);
  EXPECT_EQ(row.eraseCurrent(), 3);
  EXPECT_EQ(row.text(), "AB  EG");
  EXPECT_EQ(row.tileIndex(), 3);
  row.setTileIndex(0);
  EXPECT_EQ(row.eraseBackward(), 0);  // the first tile blanks and stays current
  EXPECT_EQ(row.text(), " B  EG");
  EXPECT_EQ(row.tileIndex(), 0);
  EXPECT_EQ(row.typeLetter(' '), 0);
  EXPECT_EQ(row.tileIndex(), 1);
  EXPECT_EQ(row.eraseBackward(), 0) << "from the second tile, the first";
  EXPECT_EQ(row.tileIndex(), 0);

  EXPECT_TRUE(row.setText(""));
  EXPECT_FALSE(row.setText("")) << "the same text is no change";
  EXPECT_EQ(row.typeLetter('A'), -1);
  EXPECT_EQ(row.eraseBackward(), -1);
  EXPECT_EQ(row.eraseCurrent(), -1);
  EXPECT_EQ(row.text(), "");
  EXPECT_EQ(row.tileIndex(), -1);
  EXPECT_EQ(TileRow().typeLetter('A'), -1) << "a row never given a text has no tile";
}

}  // namespace
}  // namespace vorlane
