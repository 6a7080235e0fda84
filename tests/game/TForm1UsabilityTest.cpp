#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QStyleHints>
#include <QTest>
#include <QTextBrowser>

#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"
#include "game/PictureButton.h"
#include "game/TForm1TestFixture.h"
#include "platform/HelpViewer.h"
#include "platform/QtText.h"

namespace vorlane::test {
namespace {

using TForm1UsabilityTest = TForm1Test;

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 10)); }

TEST_F(TForm1UsabilityTest, ExactlyOneModeAndOneClassAreAlwaysSelected) {
  start();
  ASSERT_TRUE(form->compet()->isChecked());
  click(form->compet());  // the mode already selected
  EXPECT_TRUE(form->compet()->isChecked());
  EXPECT_FALSE(form->entrain()->isChecked());
  click(form->entrain());
  click(form->entrain());
  EXPECT_TRUE(form->entrain()->isChecked());
  EXPECT_FALSE(form->compet()->isChecked());
  EXPECT_TRUE(form->engine().state().trainingMode);
  click(form->senior());
  click(form->senior());
  EXPECT_TRUE(form->senior()->isChecked());
  EXPECT_FALSE(form->junior()->isChecked());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Entraînement - Version 1.3"));
}

// FIN ! takes MOT !'s place as the Training draw starts: the second click of a double click
// on MOT ! does not end the new draw; a click on FIN ! a moment later does.
TEST_F(TForm1UsabilityTest, TheSecondClickOfADoubleClickOnMotLeavesTheNewDrawRunning) {
  start();
  click(form->entrain());
  click(form->imageMOT());
  ASSERT_TRUE(form->imageFIN()->isVisible());
  EXPECT_EQ(form->focusWidget(), static_cast<QWidget*>(form->keyb1())) << "the letters have it";
  click(form->imageFIN());
  EXPECT_TRUE(form->engine().state().drawActive);
  EXPECT_FALSE(form->imageFIN()->pressed()) << "a click it does not take leaves it unpressed";
  EXPECT_EQ(form->engine().state().enterAction, kEndDrawAction);
  QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
  click(form->imageFIN());
  EXPECT_FALSE(form->engine().state().drawActive);
  EXPECT_TRUE(form->imageMOT()->isVisible());
  EXPECT_EQ(form->focusWidget(), static_cast<QWidget*>(form->keybt(1)))
      << "the keyboards are gone: the first word has the focus";
}

// The main window has a fixed border: minimise and close, no maximise. The message window,
// the score window, the about box and the preferences have a dialog border: a title and a
// close box.
TEST_F(TForm1UsabilityTest, WindowsOfferTheButtonsOfTheirBorderAndEscapeClosesTheHelp) {
  start();
  auto buttons = [](const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    QString shown;
    if (!(flags & Qt::CustomizeWindowHint)) return QStringLiteral("all, by default");
    if (flags & Qt::WindowMinimizeButtonHint) shown += "minimise ";
    if (flags & Qt::WindowMaximizeButtonHint) shown += "maximise ";
    if (flags & Qt::WindowCloseButtonHint) shown += "close";
    return shown;
  };
  EXPECT_EQ(buttons(*form), "minimise close");
  for (const QWidget* dialog : {static_cast<QWidget*>(message.get()),
                                static_cast<QWidget*>(scores.get()),
                                static_cast<QWidget*>(about.get()),
                                static_cast<QWidget*>(prefer.get())})
    EXPECT_EQ(buttons(*dialog), "close") << dialog->windowTitle().toStdString();

  temp.writeFile("vorlane.hlp", "<html><body><a name=\"sommaire\"></a>Sommaire</body></html>");
  form->openHelp("sommaire");
  ASSERT_TRUE(form->helpViewer()->isVisible());
  QTest::keyClick(form->helpViewer()->browser(), Qt::Key_Escape);
  EXPECT_FALSE(form->helpViewer()->isVisible());
}

// The start text may be longer than the window leaves beside the reserve and score: it is
// drawn smaller if need be, whole, and never under the panels. The preferences lay the
// window out 636 pixels wide on this screen before the first draw, where it fits as it is;
// only a screen narrower than 640 pixels keeps the 517-pixel window that shrinks it.
TEST_F(TForm1UsabilityTest, TheStartTextFitsBesideTheStatusPanels) {
  start();
  ASSERT_EQ(form->width(), 636);
  QTest::mouseMove(form.get(), QPoint(450, 20));
  const QLabel* bar = form->statusBar();
  ASSERT_EQ(fromQString(bar->text()),
            fromQString(QStringLiteral(" Clic sur MOT ! ou touche Entrée pour commencer. Bouton "
                                       "droit de la souris : accès au menu.")));
  auto fits = [&] {
    const QRect room = bar->contentsRect();
    return room.right() < form->totalPanel()->x() &&
           QFontMetrics(bar->font()).horizontalAdvance(bar->text()) <= room.width();
  };
  EXPECT_TRUE(fits());

  pressEnter();  // the draw widens the window: the text takes its usual size again
  QTest::mouseMove(form.get(), QPoint(450, 20));
  EXPECT_TRUE(fits());
  EXPECT_EQ(bar->font().pixelSize(), 11);
}

}  // namespace
}  // namespace vorlane::test
