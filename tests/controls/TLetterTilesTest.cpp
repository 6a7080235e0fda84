#include "controls/ControlWindow.h"
#include "controls/TLetterTiles.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

using test::ControlWindow;
using test::PaintRecorder;
using test::pixel;

// The name-entry row, focused, on six blank tiles.
class TLetterTilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tiles->setText("      ");
    tiles->setTileIndex(0);
    tiles->move(16, 16);
    other->move(16, 80);
    ASSERT_TRUE(window.showActive());
    tiles->setFocus();
  }

  void typeAccented(const QString& letter) {
    QTest::sendKeyEvent(QTest::Click, tiles, Qt::Key_unknown, letter, Qt::NoModifier);
  }

  QRgb system(QPalette::ColorRole role) const {
    return tiles->palette().color(QPalette::Active, role).rgb();
  }

  ControlWindow window;
  TLetterTiles* tiles = new TLetterTiles(&window);
  QLineEdit* other = new QLineEdit(&window);
};

TEST_F(TLetterTilesTest, TypedLettersAreUpperCasedAndMoveRight) {
  QTest::keyClicks(tiles, "abc");
  EXPECT_EQ(tiles->text(), "ABC   ");
  EXPECT_EQ(tiles->tileIndex(), 3);
  QTest::keyClicks(tiles, "De");
  EXPECT_EQ(tiles->text(), "ABCDE ");
}

TEST_F(TLetterTilesTest, SeventhLetterOverwritesTheLastTile) {
  QTest::keyClicks(tiles, "abcdefg");
  EXPECT_EQ(tiles->text(), "ABCDEG");
  EXPECT_EQ(tiles->tileIndex(), 5);
}

TEST_F(TLetterTilesTest, SpaceBlanksAndMovesRight) {
  tiles->setText("ABCDEF");
  tiles->setTileIndex(1);
  QTest::keyClick(tiles, Qt::Key_Space);
  EXPECT_EQ(tiles->text(), "A CDEF");
  EXPECT_EQ(tiles->tileIndex(), 2);
}

// Backspace erases the last letter typed, which the next letter replaces: after a full
// accented name, after a shorter one, and inside a name; Delete blanks without moving.
TEST_F(TLetterTilesTest, BackspaceErasesTheLetterBeforeDeleteOnlyBlanks) {
  QTest::keyClick(tiles, Qt::Key_H);
  typeAccented(QStringLiteral("\u00e9"));
  QTest::keyClick(tiles, Qt::Key_L);
  typeAccented(QStringLiteral("\u00e8"));
  QTest::keyClicks(tiles, "ne");
  EXPECT_EQ(tiles->text(), "H\xC9L\xC8NE");
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(tiles->text(), "H\xC9L\xC8N ");
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(tiles->text(), "H\xC9L\xC8  ");
  EXPECT_EQ(tiles->tileIndex(), 4);
  QTest::keyClicks(tiles, "ne");
  EXPECT_EQ(tiles->text(), "H\xC9L\xC8NE");

  tiles->setText("LUC   ");
  tiles->setTileIndex(3);
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(tiles->text(), "LU    ");
  EXPECT_EQ(tiles->tileIndex(), 2);
  tiles->setText("ABCDEF");
  tiles->setTileIndex(3);
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(tiles->text(), "AB DEF");
  EXPECT_EQ(tiles->tileIndex(), 2);
  tiles->setTileIndex(3);
  QTest::keyClick(tiles, Qt::Key_Delete);
  EXPECT_EQ(tiles->text(), "AB  EF");
  EXPECT_EQ(tiles->tileIndex(), 3);
  tiles->setTileIndex(0);
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(tiles->text(), " B  EF");
  EXPECT_EQ(tiles->tileIndex(), 0);
}

TEST_F(TLetterTilesTest, NavigationKeys) {
  struct Row {
    Qt::Key key;
    Qt::KeyboardModifiers shift;
    int from;
    int to;
  };
  const Row rows[] = {
      {Qt::Key_Right, Qt::ControlModifier, 1, 5},
      {Qt::Key_Left, Qt::ControlModifier, 4, 0},
      {Qt::Key_Home, Qt::NoModifier, 4, 0},
      {Qt::Key_End, Qt::NoModifier, 1, 5},
      {Qt::Key_Right, Qt::NoModifier, 2, 3},
      {Qt::Key_Left, Qt::NoModifier, 2, 1},
      {Qt::Key_Right, Qt::NoModifier, 5, 5},
      {Qt::Key_Left, Qt::NoModifier, 0, 0},
      {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, 2, 3},
      {Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier, 2, 1},
  };
  for (const Row& row : rows) {
    tiles->setTileIndex(row.from);
    QTest::keyClick(tiles, row.key, row.shift);
    EXPECT_EQ(tiles->tileIndex(), row.to) << "key " << row.key << " from " << row.from;
  }
  EXPECT_EQ(tiles->text(), "      ");
}

// A name keeps its accents: typed directly, or composed with a dead key through the input
// method, an accented letter goes into its tile in capitals.
TEST_F(TLetterTilesTest, AccentedLettersAreTypedInCapitals) {
  QTest::keyClicks(tiles, "ren");
  typeAccented(QStringLiteral("\u00e9"));
  EXPECT_EQ(tiles->text(), "REN\xC9  ");
  tiles->setTileIndex(0);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("\u00e7"));
  QApplication::sendEvent(tiles, &composed);
  typeAccented(QStringLiteral("\u0153"));
  EXPECT_EQ(tiles->text(), "\xC7\x8CN\xC9  ");
  EXPECT_EQ(tiles->tileIndex(), 2);
  EXPECT_TRUE(tiles->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(TLetterTilesTest, DigitsSignsCtrlAndAltKeysAreIgnored) {
  tiles->setTileIndex(2);
  QTest::keyClicks(tiles, "1-?");
  typeAccented(QStringLiteral("\u00d7"));
  QTest::keyClick(tiles, Qt::Key_A, Qt::AltModifier);
  QTest::keyClick(tiles, Qt::Key_B, Qt::ControlModifier);
  QTest::keyClick(tiles, Qt::Key_Space, Qt::ControlModifier);
  EXPECT_EQ(tiles->text(), "      ");
  EXPECT_EQ(tiles->tileIndex(), 2);
  EXPECT_TRUE(window.keysSeen.isEmpty());
}

TEST_F(TLetterTilesTest, WithoutACurrentTileNothingIsEdited) {
  tiles->setText("");
  QTest::keyClicks(tiles, "ab");
  QTest::keyClick(tiles, Qt::Key_Backspace);
  QTest::keyClick(tiles, Qt::Key_Delete);
  EXPECT_EQ(tiles->text(), "");
  EXPECT_EQ(tiles->tileIndex(), -1);
}

TEST_F(TLetterTilesTest, WindowKeysPassAndTabMovesOn) {
  QTest::keyClick(tiles, Qt::Key_Return);
  QTest::keyClick(tiles, Qt::Key_Escape);
  EXPECT_EQ(window.keysSeen, (QList<int>{Qt::Key_Return, Qt::Key_Escape}));
  QTest::keyClick(tiles, Qt::Key_Tab);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(TLetterTilesTest, PressSelectsTheTileAndTakesTheFocus) {
  other->setFocus();
  int tileAtMouseDown = -2;
  QObject::connect(tiles, &TLetterTiles::OnMouseDown,
                   [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                     tileAtMouseDown = tiles->tileIndex();
                   });
  QTest::mouseClick(tiles, Qt::LeftButton, Qt::NoModifier, QPoint(110, 5));
  EXPECT_EQ(tileAtMouseDown, 0);
  EXPECT_EQ(tiles->tileIndex(), 4);
  EXPECT_TRUE(tiles->hasFocus());
}

TEST_F(TLetterTilesTest, TypingRepaintsTheEditedAndTheNextTileOnly) {
  PaintRecorder recorder(tiles);
  tiles->setTileIndex(2);
  recorder.clear();
  QTest::keyClick(tiles, Qt::Key_A);
  EXPECT_EQ(recorder.painted(), QRegion(tiles->tileRect(2)) + tiles->tileRect(3));

  tiles->setTileIndex(5);
  recorder.clear();
  QTest::keyClick(tiles, Qt::Key_B);
  EXPECT_EQ(recorder.painted(), QRegion(tiles->tileRect(5)));

  // Backspace after "AB": the erased B and the tile left by the current one.
  tiles->setText("AB    ");
  tiles->setTileIndex(2);
  recorder.clear();
  QTest::keyClick(tiles, Qt::Key_Backspace);
  EXPECT_EQ(recorder.painted(), QRegion(tiles->tileRect(1)) + tiles->tileRect(2));
}

// Tile 1 spans x = 25..49; its entry-cell frame is one pixel wide.
TEST_F(TLetterTilesTest, FocusedTilesAreFlatEntryCells) {
  tiles->setTileIndex(1);
  tiles->setColorRef(0x336699);
  const QRgb frame = system(QPalette::Shadow);
  const QRgb cell = system(QPalette::Base);
  const QImage focused = tiles->grab().toImage();
  EXPECT_EQ(pixel(focused, 25, 0), frame);
  EXPECT_EQ(pixel(focused, 25, 12), frame);
  EXPECT_EQ(pixel(focused, 49, 24), frame);
  EXPECT_EQ(pixel(focused, 26, 12), cell);
  EXPECT_EQ(pixel(focused, 37, 12), cell);
  // Dotted rectangle on the current tile inset by 2 only.
  EXPECT_EQ(pixel(focused, 27, 3), cell ^ 0x00FFFFFF);
  EXPECT_EQ(pixel(focused, 28, 3), cell);
  EXPECT_EQ(pixel(focused, 52, 3), cell);

  other->setFocus();
  const QImage unfocused = tiles->grab().toImage();
  EXPECT_EQ(pixel(unfocused, 25, 0), system(QPalette::Light));
  EXPECT_EQ(pixel(unfocused, 49, 24), system(QPalette::Dark));
  EXPECT_EQ(pixel(unfocused, 26, 1), qRgb(0x99, 0x66, 0x33));
  EXPECT_EQ(pixel(unfocused, 27, 3), qRgb(0x99, 0x66, 0x33));
  EXPECT_EQ(pixel(unfocused, 24, 12), system(QPalette::Dark));
}

}  // namespace
}  // namespace vorlane
