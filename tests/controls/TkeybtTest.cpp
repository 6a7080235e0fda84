#include "controls/ControlWindow.h"
#include "controls/Tkeybt.h"

#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlane {
namespace {

using test::ControlWindow;
using test::pixel;

class TkeybtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    keyboard->setTileSize(40);
    keyboard->setText("ERUSTA");
    keyboard->move(20, 20);
    other->move(20, 80);
    ASSERT_TRUE(window.showActive());
    other->setFocus();
  }

  ControlWindow window;
  Tkeybt* keyboard = new Tkeybt(&window);
  QLineEdit* other = new QLineEdit(&window);
};

TEST_F(TkeybtTest, ArrowsMoveTheCurrentTileExceptWithCtrlAlone) {
  struct Row {
    Qt::Key key;
    Qt::KeyboardModifiers shift;
    int from;
    int to;
  };
  const Row rows[] = {
      {Qt::Key_Right, Qt::NoModifier, 2, 3},
      {Qt::Key_Left, Qt::NoModifier, 2, 1},
      {Qt::Key_Right, Qt::NoModifier, 5, 5},
      {Qt::Key_Left, Qt::NoModifier, 0, 0},
      {Qt::Key_Right, Qt::ShiftModifier, 2, 3},
      {Qt::Key_Right, Qt::ControlModifier, 2, 2},
      {Qt::Key_Left, Qt::ControlModifier, 2, 2},
      {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, 2, 1},
      {Qt::Key_Home, Qt::NoModifier, 2, 2},
      {Qt::Key_End, Qt::NoModifier, 2, 2},
      {Qt::Key_Backspace, Qt::NoModifier, 2, 2},
      {Qt::Key_Delete, Qt::NoModifier, 2, 2},
  };
  keyboard->setFocus();
  for (const Row& row : rows) {
    keyboard->setTileIndex(row.from);
    QTest::keyClick(keyboard, row.key, row.shift);
    EXPECT_EQ(keyboard->tileIndex(), row.to) << "key " << row.key << " from " << row.from;
  }
  EXPECT_EQ(keyboard->text(), "ERUSTA");
  EXPECT_TRUE(window.keysSeen.isEmpty());
}

TEST_F(TkeybtTest, KeydownHandlerCanChangeOrClearTheKey) {
  QList<int> seen;
  int replacement = 0;
  QObject::connect(keyboard, &Tkeybt::OnKeydown, [&](int& key, Qt::KeyboardModifiers) {
    seen.append(key);
    key = replacement;
  });
  keyboard->setTileIndex(2);
  QTest::keyClick(keyboard, Qt::Key_Right);
  EXPECT_EQ(keyboard->tileIndex(), 2);
  replacement = Qt::Key_Left;
  QTest::keyClick(keyboard, Qt::Key_Right);
  EXPECT_EQ(keyboard->tileIndex(), 1);
  EXPECT_EQ(seen, (QList<int>{Qt::Key_Right, Qt::Key_Right}));
}

TEST_F(TkeybtTest, TypedCharactersReachKeyPressAsWindows1252) {
  std::string typed;
  QList<int> released;
  QObject::connect(keyboard, &Tkeybt::OnKeyPress, [&](char& ch) { typed += ch; });
  QObject::connect(keyboard, &Tkeybt::OnKeyup,
                   [&](int& key, Qt::KeyboardModifiers) { released.append(key); });
  keyboard->setTileIndex(1);
  QTest::keyClicks(keyboard, "s a");
  QTest::keyClick(keyboard, Qt::Key_Backspace);
  QTest::keyClick(keyboard, Qt::Key_Delete);
  QTest::sendKeyEvent(QTest::Click, keyboard, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                      Qt::NoModifier);
  EXPECT_EQ(typed, "s a\b\xE9");
  EXPECT_EQ(released.size(), 6);
  EXPECT_EQ(keyboard->tileIndex(), 1);
  EXPECT_EQ(keyboard->text(), "ERUSTA");
}

// Alt with a key types nothing; Ctrl with a letter types its control code only, so that
// neither reaches the game as a letter or as Backspace.
TEST_F(TkeybtTest, CtrlAndAltKeysTypeNoLetter) {
  struct Row {
    Qt::Key key;
    Qt::KeyboardModifiers shift;
    std::string typed;
  };
  const Row rows[] = {
      {Qt::Key_S, Qt::AltModifier, ""},
      {Qt::Key_Backspace, Qt::AltModifier, ""},
      {Qt::Key_E, Qt::ControlModifier, "\x05"},
      {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "\x13"},
      {Qt::Key_Backspace, Qt::ControlModifier, "\x7F"},
      {Qt::Key_5, Qt::ControlModifier, ""},
      {Qt::Key_S, Qt::NoModifier, "s"},
  };
  keyboard->setFocus();
  for (const Row& row : rows) {
    std::string typed;
    const auto connection = QObject::connect(keyboard, &Tkeybt::OnKeyPress,
                                             [&typed](char& ch) { typed += ch; });
    QTest::keyClick(keyboard, row.key, row.shift);
    QObject::disconnect(connection);
    EXPECT_EQ(typed, row.typed) << "key " << row.key << " shift " << row.shift;
  }
}

TEST_F(TkeybtTest, WindowKeysAreLeftToTheWindow) {
  int keydowns = 0;
  QObject::connect(keyboard, &Tkeybt::OnKeydown, [&](int&, Qt::KeyboardModifiers) { ++keydowns; });
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down,
                            Qt::Key_Left, Qt::Key_Right, Qt::Key_A}) {
    QTest::keyClick(keyboard, key);
  }
  EXPECT_EQ(window.keysSeen,
            (QList<int>{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down}));
  EXPECT_EQ(keydowns, 3);
}

TEST_F(TkeybtTest, ArrowsAndLettersWinOverWindowShortcutsButCtrlAndAltKeysDoNot) {
  QList<int> fired;
  for (const QKeySequence& sequence :
       {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_Q),
        QKeySequence(Qt::ALT | Qt::Key_F)}) {
    QObject::connect(new QShortcut(sequence, &window), &QShortcut::activated,
                     [&fired, sequence] { fired.append(sequence[0].toCombined()); });
  }
  std::string typed;
  QObject::connect(keyboard, &Tkeybt::OnKeyPress, [&](char& ch) { typed += ch; });
  keyboard->setFocus();
  keyboard->setTileIndex(3);
  QTest::keyClick(keyboard, Qt::Key_Left);
  QTest::keyClick(keyboard, Qt::Key_S);
  QTest::keyClick(keyboard, Qt::Key_Q, Qt::ControlModifier);
  QTest::keyClick(keyboard, Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(keyboard->tileIndex(), 2);
  EXPECT_EQ(typed, "s");
  EXPECT_EQ(fired,
            (QList<int>{(Qt::CTRL | Qt::Key_Q).toCombined(), (Qt::ALT | Qt::Key_F).toCombined()}));
}

TEST_F(TkeybtTest, TabMovesTheFocusOn) {
  keyboard->setFocus();
  QTest::keyClick(keyboard, Qt::Key_Tab);
  EXPECT_TRUE(other->hasFocus());
}

TEST_F(TkeybtTest, PressSelectsTheTileAfterMouseDownAndTakesTheFocus) {
  std::vector<std::string> events;
  QObject::connect(keyboard, &Tkeybt::OnMouseDown,
                   [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                     events.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                                      " tile " + std::to_string(keyboard->tileIndex()) +
                                      (keyboard->hasFocus() ? " focused" : ""));
                   });
  QObject::connect(keyboard, &Tkeybt::OnClick, [&] { events.push_back("click"); });
  QObject::connect(keyboard, &Tkeybt::OnMouseUp,
                   [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                     events.push_back("up tile " + std::to_string(keyboard->tileIndex()) +
                                      (keyboard->hasFocus() ? " focused" : ""));
                   });
  keyboard->setTileIndex(0);
  QTest::mouseClick(keyboard, Qt::LeftButton, Qt::NoModifier, QPoint(130, 10));
  const std::vector<std::string> expected = {"down 130,10 tile 0", "click", "up tile 3 focused"};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(keyboard->tileAt(QPoint(120, 0)), 3);
  EXPECT_EQ(keyboard->tileAt(QPoint(119, 39)), 2);
  EXPECT_EQ(keyboard->tileAt(QPoint(100, 40)), -1);
}

TEST_F(TkeybtTest, PressOutsideEveryTileStillTakesTheFocus) {
  keyboard->setAutoSize(false);
  keyboard->resize(300, 50);
  keyboard->setTileIndex(2);
  QTest::mouseClick(keyboard, Qt::LeftButton, Qt::NoModifier, QPoint(280, 10));
  EXPECT_EQ(keyboard->tileIndex(), 2);
  EXPECT_TRUE(keyboard->hasFocus());
}

TEST_F(TkeybtTest, PointerMovesAreRaised) {
  QList<QPoint> moves;
  QObject::connect(keyboard, &Tkeybt::OnMouseMove,
                   [&](Qt::KeyboardModifiers, int x, int y) { moves.append(QPoint(x, y)); });
  QTest::mouseMove(keyboard, QPoint(50, 12));
  QTest::mouseMove(keyboard, QPoint(90, 30));
  EXPECT_EQ(moves, (QList<QPoint>{QPoint(50, 12), QPoint(90, 30)}));
}

// Tile 2 spans x = 80..119. Its marks: the outline's left column on tile 1 (x = 79), the
// dotted rectangle on the tile inset by 3 (x = 83..116, y = 3..36).
TEST_F(TkeybtTest, CurrentTileIsMarkedOnlyWithTheFocus) {
  keyboard->setText("E     ");
  keyboard->setTileIndex(2);
  const QRgb face = keyboard->color().rgb();
  const QRgb dark = keyboard->palette().color(QPalette::Dark).rgb();
  const QImage unfocused = keyboard->grab().toImage();
  EXPECT_EQ(pixel(unfocused, 79, 20), dark);
  EXPECT_EQ(pixel(unfocused, 84, 20), face);
  EXPECT_EQ(pixel(unfocused, 83, 3), face);

  keyboard->setFocus();
  const QImage focused = keyboard->grab().toImage();
  EXPECT_EQ(pixel(focused, 79, 20), qRgb(0, 0, 0));
  const QRgb inverted = face ^ 0x00FFFFFF;
  // The dots alternate along the rectangle: (x + y) even is inverted, odd is the face.
  EXPECT_EQ(pixel(focused, 83, 3), inverted);
  EXPECT_EQ(pixel(focused, 84, 3), face);
  EXPECT_EQ(pixel(focused, 116, 36), inverted);
  EXPECT_EQ(pixel(focused, 116, 35), face);
  EXPECT_EQ(pixel(focused, 84, 20), face);
  EXPECT_EQ(pixel(focused, 159, 20), dark);
}

}  // namespace
}  // namespace vorlane
