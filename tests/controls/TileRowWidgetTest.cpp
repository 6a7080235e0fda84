#include "controls/ColorRef.h"
#include "controls/ControlWindow.h"
#include "controls/TLetterTiles.h"
#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

using test::ControlWindow;
using test::PaintRecorder;

// What all three tile rows share: text and current-tile rules, size, font, repaints.
template <typename Control>
class TileRowWidgetTest : public ::testing::Test {
 protected:
  ControlWindow window;
  Control* control = new Control(&window);
};

using Controls = ::testing::Types<Tkeybt, Tkey_in, TLetterTiles>;
TYPED_TEST_SUITE(TileRowWidgetTest, Controls);

TYPED_TEST(TileRowWidgetTest, NewControlIsAnEmptyBoldArialRowOfZeroWidth) {
  auto& c = *this->control;
  EXPECT_EQ(c.size(), QSize(0, 25));
  EXPECT_EQ(c.tileSize(), 25);
  EXPECT_EQ(c.tileIndex(), 0);
  EXPECT_TRUE(c.autoSize());
  EXPECT_EQ(c.cursor().shape(), Qt::IBeamCursor);
  EXPECT_EQ(c.focusPolicy(), Qt::TabFocus);
  EXPECT_TRUE(c.font().bold());
  // The face the system gives for Arial: Arial itself, or its metric twin.
  EXPECT_EQ(QFontInfo(c.font()).family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
  EXPECT_EQ(c.color(), c.palette().color(QPalette::Active, QPalette::Button));
}

TYPED_TEST(TileRowWidgetTest, TileIndexIsClampedOnEverySet) {
  auto& c = *this->control;
  c.setText("ABCDEF");
  const std::pair<int, int> rows[] = {{100, 5}, {-7, 0}, {3, 3}, {6, 5}, {-1, 0}};
  for (const auto& [set, expected] : rows) {
    c.setTileIndex(set);
    EXPECT_EQ(c.tileIndex(), expected) << "set " << set;
  }
  c.setText("");
  for (const int set : {-7, 0, 100}) {
    c.setTileIndex(set);
    EXPECT_EQ(c.tileIndex(), -1) << "set " << set;
  }
}

TYPED_TEST(TileRowWidgetTest, TextChangePullsTheCurrentTileBackButNeverForward) {
  auto& c = *this->control;
  c.setText("ABCDEF");
  c.setTileIndex(5);
  c.setText("ABCDE");
  EXPECT_EQ(c.tileIndex(), 4);
  c.setTileIndex(2);
  c.setText("ABCDEFGH");
  EXPECT_EQ(c.tileIndex(), 2);
  c.setText("");
  EXPECT_EQ(c.tileIndex(), -1);
  EXPECT_EQ(c.width(), 0);
  c.setText("AB");
  EXPECT_EQ(c.tileIndex(), -1);
}

TYPED_TEST(TileRowWidgetTest, AutoSizeFollowsTextAndTileSize) {
  auto& c = *this->control;
  c.setText("ABCDEF");
  EXPECT_EQ(c.size(), QSize(150, 25));
  c.setTileSize(40);
  EXPECT_EQ(c.size(), QSize(240, 40));
  c.setTileSize(2);
  EXPECT_EQ(c.tileSize(), 4);
  EXPECT_EQ(c.size(), QSize(24, 4));
  c.setText("ABC");
  EXPECT_EQ(c.size(), QSize(12, 4));
}

TYPED_TEST(TileRowWidgetTest, ResizeKeepsTheSizeWhileAutoSizeIsOn) {
  auto& c = *this->control;
  c.setText("ABCDEF");
  c.setGeometry(10, 20, 300, 100);
  EXPECT_EQ(c.geometry(), QRect(10, 20, 150, 25));
  c.resize(60, 60);
  EXPECT_EQ(c.size(), QSize(150, 25));

  c.setAutoSize(false);
  EXPECT_EQ(c.size(), QSize(150, 25));
  c.resize(200, 30);
  EXPECT_EQ(c.size(), QSize(200, 30));
  c.setText("AB");
  EXPECT_EQ(c.size(), QSize(200, 30));
  c.setAutoSize(true);
  EXPECT_EQ(c.size(), QSize(50, 25));
}

TYPED_TEST(TileRowWidgetTest, FontCellHeightIsControlHeightLessSix) {
  auto& c = *this->control;
  c.setText("      ");
  for (const int tile : {20, 25, 26, 40}) {
    c.setTileSize(tile);
    const QFont font = c.tileFont();
    EXPECT_NEAR(QFontMetrics(font).height(), tile - 6, 1) << "tile " << tile;
    EXPECT_TRUE(QFontInfo(font).bold());
  }
  c.setAutoSize(false);
  c.resize(c.width(), 50);
  EXPECT_NEAR(QFontMetrics(c.tileFont()).height(), 44, 1);
}

TYPED_TEST(TileRowWidgetTest, LetterIsCentredInItsTileInTheFontColour) {
  auto& c = *this->control;
  c.setTileSize(40);
  c.setText("I ");
  c.setFontColorRef(255);
  const QImage image = c.grab().toImage();
  int left = 40, right = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (test::pixel(image, x, y) != qRgb(255, 0, 0)) continue;
      EXPECT_LT(x, 40) << "the space tile shows no letter";
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  ASSERT_GE(right, left);
  EXPECT_NEAR(left + right, 39, 3);
}

TYPED_TEST(TileRowWidgetTest, UncoveredPartShowsTheControlColour) {
  auto& c = *this->control;
  c.setText("AB");
  c.setAutoSize(false);
  c.resize(100, 40);
  c.setColorRef(0x00FF00);
  const QImage image = c.grab().toImage();
  EXPECT_EQ(test::pixel(image, 75, 10), qRgb(0, 255, 0));
  EXPECT_EQ(test::pixel(image, 20, 32), qRgb(0, 255, 0));
}

TYPED_TEST(TileRowWidgetTest, MovingTheCurrentTileRepaintsTheTwoTilesOnly) {
  auto& c = *this->control;
  c.setText("ABCDEF");
  c.setTileIndex(1);
  ASSERT_TRUE(this->window.showActive());
  PaintRecorder recorder(&c);
  recorder.clear();
  c.setTileIndex(4);
  EXPECT_EQ(recorder.painted(), QRegion(c.tileRect(1)) + c.tileRect(4));

  recorder.clear();
  c.setTileIndex(4);
  EXPECT_TRUE(recorder.painted().isEmpty());
}

TYPED_TEST(TileRowWidgetTest, SameLengthTextWaitsForTheOwnersRepaint) {
  auto& c = *this->control;
  c.setText("      ");
  ASSERT_TRUE(this->window.showActive());
  PaintRecorder recorder(&c);
  recorder.clear();
  c.setText("  A   ");
  EXPECT_TRUE(recorder.painted().isEmpty());
  c.update();
  EXPECT_EQ(recorder.painted(), QRegion(c.rect()));
}

TEST(ColorRefTest, RedIsTheLowByte) {
  EXPECT_EQ(colorFromRef(255), QColor(255, 0, 0));
  EXPECT_EQ(colorFromRef(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(colorToRef(QColor(Qt::white)), 16777215u);
  EXPECT_EQ(colorToRef(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

}  // namespace
}  // namespace vorlane
