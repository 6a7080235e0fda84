#include "messages/TFormMessage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "messages/Tdlg.h"

namespace vorlane {
namespace {

class TFormMessageTest : public ::testing::Test {
 protected:
  TFormMessageTest() {
    mainWindow.setGeometry(100, 60, 517, 186);
    mainWindow.show();
  }

  // Runs `look` once the next message is open, then presses `button` ("OK" or "annuler").
  void whenOpen(const char* button, std::function<void()> look = {}) {
    QTimer::singleShot(0, &message, [this, button, look] {
      ASSERT_TRUE(message.isVisible());
      if (look) look();
      QTest::mouseClick(message.findChild<QPushButton*>(button), Qt::LeftButton);
    });
  }
  QString line(int n) const {
    return message.findChild<QLabel*>(QStringLiteral("Panel%1").arg(n))->text();
  }
  bool cancelShown() const { return message.findChild<QPushButton*>("annuler")->isVisible(); }

  QWidget mainWindow;
  TFormMessage message{&mainWindow};
};

TEST_F(TFormMessageTest, QuitConfirmationTellsWhichButtonClosedIt) {
  whenOpen("annuler", [this] {
    EXPECT_EQ(line(1), "");
    EXPECT_EQ(line(2), QStringLiteral("Voulez-vous réellement quitter Vorlane ?"));
    EXPECT_TRUE(cancelShown());
  });
  message.askQuit();
  EXPECT_EQ(message.messageResult(), TFormMessage::Cancel);
  EXPECT_FALSE(message.isVisible());
  whenOpen("OK");
  message.askQuit();
  EXPECT_EQ(message.messageResult(), TFormMessage::Ok);
}

TEST_F(TFormMessageTest, AcknowledgementsHideCancelOnlyWhileTheyShow) {
  whenOpen("OK", [this] {
    EXPECT_EQ(line(1), QStringLiteral("Partie terminée."));
    EXPECT_EQ(line(2), QStringLiteral("Votre score est de 1 point."));
    EXPECT_FALSE(cancelShown());
  });
  message.showEndOfGame("", 1);
  whenOpen("annuler", [this] {
    EXPECT_EQ(line(3), QStringLiteral("Coût : 8 s. de réserve temps."));
    EXPECT_TRUE(cancelShown());
  });
  message.showLetterCost(2, "8");
  EXPECT_EQ(message.messageResult(), TFormMessage::Cancel);
}

TEST_F(TFormMessageTest, MessageAskedWhileOneIsOpenIsDropped) {
  bool nestedReturned = false;
  whenOpen("annuler", [this, &nestedReturned] {
    message.showLevelUp("333", "2");
    nestedReturned = true;
    EXPECT_EQ(message.messageResult(), TFormMessage::None);
    EXPECT_EQ(line(2), QStringLiteral("Voulez-vous réellement quitter Vorlane ?"));
  });
  message.askQuit();
  EXPECT_TRUE(nestedReturned);
  EXPECT_EQ(message.messageResult(), TFormMessage::Cancel);
}

TEST_F(TFormMessageTest, UnknownEndOfGameSelectorShowsNothing) {
  message.showEndOfGame("dans les sept", 40);
  EXPECT_FALSE(message.isVisible());
  EXPECT_EQ(message.messageResult(), TFormMessage::None);
}

TEST_F(TFormMessageTest, OpensBesideTheMainWindowAndHidesTheOtherWindows) {
  QWidget preferences;
  Tdlg about(&mainWindow);
  preferences.show();
  about.show();
  message.setHiddenOnShow({&preferences, &about});
  whenOpen("OK", [&] {
    EXPECT_EQ(message.pos(), mainWindow.pos() + QPoint(15, 15));
    EXPECT_FALSE(preferences.isVisible());
    EXPECT_FALSE(about.isVisible());
  });
  message.showLevelUp("666", "3");
}

TEST_F(TFormMessageTest, WelcomeReportsTheTwoChecksAndHidesThem) {
  whenOpen("OK", [this] {
    EXPECT_EQ(line(1), QStringLiteral("Bienvenue et bon jeu !"));
    EXPECT_TRUE(message.findChild<QCheckBox*>("CheckMenu")->isVisible());
    message.findChild<QCheckBox*>("CheckMenu")->setChecked(false);
  });
  const TFormMessage::WelcomeChoice choice = message.showWelcome();
  EXPECT_FALSE(choice.startMenuGroup);
  EXPECT_TRUE(choice.readMe);
  EXPECT_FALSE(message.findChild<QCheckBox*>("CheckMenu")->isVisibleTo(&message));
  EXPECT_TRUE(message.findChild<QPushButton*>("annuler")->isVisibleTo(&message));
}

TEST_F(TFormMessageTest, IconSwapsAtEveryTickOfTheFiveSecondTimer) {
  auto* timer = message.findChild<QTimer*>("Timer1");
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 5000);
  QLabel* second = message.findChild<QLabel*>("Image2");
  EXPECT_FALSE(second->isVisibleTo(&message));
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_TRUE(second->isVisibleTo(&message));
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_FALSE(second->isVisibleTo(&message));
}

TEST(TdlgTest, ShowsTheVersionBesideTheMainWindowAndClosesOnOk) {
  QWidget mainWindow;
  mainWindow.setGeometry(200, 100, 517, 186);
  mainWindow.show();
  Tdlg about(&mainWindow);
  EXPECT_EQ(about.windowTitle(), QStringLiteral("À propos de Vorlane"));
  EXPECT_EQ(about.findChild<QLabel*>("Panel4")->text(), QStringLiteral("Version 1.3"));
  about.show();
  EXPECT_EQ(about.pos(), mainWindow.pos() + QPoint(15, 15));
  QTest::mouseClick(about.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
}

TEST(TdlgTest, ClosesItselfWhenItLosesActivation) {
  QWidget mainWindow;
  Tdlg about(&mainWindow);
  about.show();
  QEvent deactivation(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(&about, &deactivation);
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace vorlane
