#include "controls/ControlWindow.h"
#include "controls/Tkey_in.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace vorlane {
namespace {

using test::ControlWindow;

// The passive row raises its events and reacts to none of them.
class Tkey_inTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box->setText("SAUTER");
    box->move(16, 16);
    other->move(16, 80);
    ASSERT_TRUE(window.showActive());
    other->setFocus();
  }

  ControlWindow window;
  Tkey_in* box = new Tkey_in(&window);
  QLineEdit* other = new QLineEdit(&window);
};

TEST_F(Tkey_inTest, PressChangesNeitherTheTileNorTheFocus) {
  int downs = 0;
  int clicks = 0;
  QObject::connect(box, &Tkey_in::OnMouseDown,
                   [&](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int) {
                     EXPECT_EQ(button, Qt::LeftButton);
                     EXPECT_EQ(x, 80);
                     ++downs;
                   });
  QObject::connect(box, &Tkey_in::OnClick, [&] { ++clicks; });
  box->setTileIndex(1);
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(box->tileIndex(), 1);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(Tkey_inTest, ArrowsAreClaimedAndRaisedButMoveNothing) {
  QList<int> keydowns;
  std::string typed;
  QObject::connect(box, &Tkey_in::OnKeydown,
                   [&](int& key, Qt::KeyboardModifiers) { keydowns.append(key); });
  QObject::connect(box, &Tkey_in::OnKeyPress, [&](char& ch) { typed += ch; });
  box->setFocus();
  box->setTileIndex(2);
  QTest::keyClick(box, Qt::Key_Right);
  QTest::keyClick(box, Qt::Key_Left);
  QTest::keyClick(box, Qt::Key_Down);
  QTest::keyClicks(box, "ab");
  EXPECT_EQ(box->tileIndex(), 2);
  EXPECT_EQ(box->text(), "SAUTER");
  EXPECT_EQ(keydowns, (QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_A, Qt::Key_B}));
  EXPECT_EQ(typed, "ab");
  EXPECT_EQ(window.keysSeen, QList<int>{Qt::Key_Down});
}

TEST_F(Tkey_inTest, LooksTheSameWithTheFocus) {
  box->setTileIndex(2);
  const QImage unfocused = box->grab().toImage();
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  EXPECT_EQ(box->grab().toImage(), unfocused);
}

TEST_F(Tkey_inTest, LargeTilesGiveALargerRowAndFont) {
  box->setTileSize(26);
  EXPECT_EQ(box->size(), QSize(156, 26));
  EXPECT_NEAR(QFontMetrics(box->tileFont()).height(), 20, 1);
}

}  // namespace
}  // namespace vorlane
