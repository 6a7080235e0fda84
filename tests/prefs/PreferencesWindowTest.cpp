#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controls/BackgroundRules.h"
#include "controls/ColorRef.h"
#include "controls/Tkey_in.h"
#include "data/Settings.h"
#include "game/TForm1TestFixture.h"
#include "prefs/ThumbnailGrid.h"

namespace vorlane::test {
namespace {

class PreferencesWindowTest : public TForm1Test {
 protected:
  // One-colour 16 × 16 patterns, sorted as the thumbnails show them from index 3.
  void writePatterns() {
    const std::pair<const char*, QColor> patterns[] = {
        {"a.bmp", QColor(200, 10, 10)}, {"b.bmp", QColor(10, 200, 10)}, {"C.BMP", QColor(10, 10, 200)}};
    for (const auto& [name, colour] : patterns) {
      QImage image(16, 16, QImage::Format_RGB32);
      image.fill(colour);
      ASSERT_TRUE(image.save(QString::fromStdString((temp.dataFolder() / name).string()), "BMP"));
    }
  }
  Settings settings() const { return Settings(form->folder()); }
  void openPreferences() {
    for (QAction* action : form->popupMenu()->actions())
      if (action->text() == QStringLiteral("Préférences")) action->trigger();
    ASSERT_TRUE(prefer->isVisible());
  }
  void selectLine(int line) {
    QListWidget* list = prefer->colorcombo();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(line)).center());
  }
  void clickThumbnail(int index) {
    QTest::mouseClick(prefer->thumbs(), Qt::LeftButton, {}, ThumbnailGrid::cellRect(index).center());
  }
  // Clicks the sample panel and answers the colour dialog with `colour`.
  void chooseColour(QColor colour) {
    QTimer::singleShot(0, prefer.get(), [colour] {
      auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->setCurrentColor(colour);
      dialog->accept();
    });
    QTest::mouseClick(prefer->panelEdit(), Qt::LeftButton);
  }
  QColor backgroundPixel(QPoint at) { return form2->grab().toImage().pixelColor(at); }
};

TEST_F(PreferencesWindowTest, MenuOpensItBesideTheGameAndAClickOnTheGameHidesItWithoutWriting) {
  start();
  openPreferences();
  EXPECT_EQ(prefer->windowTitle(), QStringLiteral("Préférences"));
  EXPECT_EQ(prefer->pos(), form->pos() + QPoint(15, 15));
  EXPECT_TRUE(prefer->checklargeurMax()->isVisible());
  EXPECT_TRUE(prefer->checkTailleMax()->isVisible()) << "a screen wider than 640 pixels";
  EXPECT_FALSE(prefer->checkNP()->isVisible());
  EXPECT_EQ(prefer->panel1()->text(), QStringLiteral("résolution 32 bits"));
  selectLine(3);
  EXPECT_TRUE(prefer->checkNP()->isVisible());
  EXPECT_FALSE(prefer->checklargeurMax()->isVisible());
  EXPECT_FALSE(prefer->panelEdit()->isVisible());
  QTest::mouseClick(prefer->checkNP(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(form->engine().state().noProperNouns);

  QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(5, 140));
  EXPECT_FALSE(prefer->isVisible());
  EXPECT_EQ(settings().readSetting(setting::kColourListLine), 0);
  EXPECT_EQ(settings().readSetting(setting::kNoProperNouns), 0);
  openPreferences();
  EXPECT_TRUE(prefer->checkNP()->isVisible()) << "the line chosen is still selected";
  QTest::mouseClick(prefer->okButton(), Qt::LeftButton);
  EXPECT_FALSE(prefer->isVisible());
  EXPECT_EQ(settings().readSetting(setting::kColourListLine), 3);
  EXPECT_EQ(settings().readSetting(setting::kNoProperNouns), 1);
}

TEST_F(PreferencesWindowTest, ThumbnailsAndAPlainColourPaintTheBackgroundAndSurviveARestart) {
  writePatterns();
  start();
  EXPECT_FALSE(form2->isVisible());
  openPreferences();
  selectLine(1);
  EXPECT_TRUE(prefer->checkfond()->isVisible());
  EXPECT_FALSE(prefer->thumbs()->isVisible());
  QTest::mouseClick(prefer->checkfond(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(form2->isVisible());
  ASSERT_TRUE(prefer->thumbs()->isVisible());
  EXPECT_EQ(form2->geometry(), QRect(0, 0, 1200, 1000));

  clickThumbnail(4);
  EXPECT_EQ(form2->patternIndex(), 4);
  EXPECT_EQ(prefer->panel1()->text(), QStringLiteral("b.bmp"));
  EXPECT_EQ(backgroundPixel({1190, 990}), QColor(10, 200, 10));
  EXPECT_EQ(prefer->panelEdit()->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
  clickThumbnail(1);
  EXPECT_EQ(prefer->panel1()->text(), QStringLiteral("dégradé"));
  EXPECT_EQ(backgroundPixel({600, 20}), QColor(0, 0, 251));
  clickThumbnail(17);
  EXPECT_EQ(backgroundPixel({8, 8}), QColor(200, 10, 10)) << "no 15th pattern: the first one";

  chooseColour(QColor(250, 120, 0));
  EXPECT_EQ(form2->patternIndex(), kPlainColour);
  EXPECT_EQ(prefer->panel1()->text(), QStringLiteral("motifs disponibles"));
  EXPECT_EQ(backgroundPixel({600, 500}), QColor(250, 120, 0));
  clickThumbnail(5);
  EXPECT_EQ(backgroundPixel({600, 500}), QColor(10, 10, 200));
  chooseColour(QColor(250, 120, 0));
  QTest::mouseClick(prefer->okButton(), Qt::LeftButton);
  EXPECT_EQ(settings().readSetting(setting::kPattern), kPlainColour);
  EXPECT_EQ(settings().readSetting(setting::kBackgroundShown), 1);

  stop();
  start();
  EXPECT_TRUE(form2->isVisible());
  EXPECT_EQ(form2->patternIndex(), kPlainColour);
  EXPECT_EQ(backgroundPixel({600, 500}), QColor(250, 120, 0));
  openPreferences();
  EXPECT_TRUE(prefer->thumbs()->isVisible()) << "the background line is still selected";
  EXPECT_EQ(prefer->panelEdit()->palette().color(QPalette::Window), QColor(250, 120, 0));
}

TEST_F(PreferencesWindowTest, BackgroundPressRaisesTheGameAndItsRightButtonOpensTheMenu) {
  start();
  QTest::mouseClick(form2.get(), Qt::RightButton, {}, QPoint(400, 400));
  EXPECT_TRUE(form->popupMenu()->isVisible());
  form->popupMenu()->hide();
}

TEST_F(PreferencesWindowTest, WindowAndDefinitionColoursChangeTheGameAndSurviveARestart) {
  start();
  openPreferences();
  chooseColour(QColor(30, 60, 90));
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(30, 60, 90));
  EXPECT_EQ(form->memo(3)->palette().color(QPalette::Base), QColor(30, 60, 90));
  selectLine(2);
  chooseColour(QColor(255, 255, 0));
  EXPECT_EQ(form->memo(3)->palette().color(QPalette::Text), QColor(255, 255, 0));
  EXPECT_EQ(form->memo15()->palette().color(QPalette::Text), QColor(255, 255, 0));
  stop();
  start();
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(30, 60, 90));
  EXPECT_EQ(form->memo(1)->palette().color(QPalette::Text), QColor(255, 255, 0));
  EXPECT_EQ(form->colourTable()[3], colorToRef(QColor(255, 255, 0)));
}

TEST_F(PreferencesWindowTest, InitRestoresTheDefaultsClosesAndWrites) {
  start();
  openPreferences();
  chooseColour(QColor(30, 60, 90));
  QTest::mouseClick(prefer->checkcentree(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(prefer->checklargeurMax(), Qt::LeftButton, {}, QPoint(5, 5));
  selectLine(1);
  QTest::mouseClick(prefer->checkfond(), Qt::LeftButton, {}, QPoint(5, 5));
  chooseColour(QColor(0, 0, 0));
  QTest::mouseClick(prefer->initButton(), Qt::LeftButton);
  EXPECT_FALSE(prefer->isVisible());
  EXPECT_FALSE(form2->isVisible());
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0, 128, 128));
  EXPECT_EQ(form->memo(1)->palette().color(QPalette::Text), Qt::white);
  EXPECT_EQ(form->colourTable()[1], 0u) << "the background colour is not reset";
  const Settings file = settings();
  EXPECT_EQ(file.readSetting(setting::kPattern), kDefaultPattern);
  EXPECT_EQ(file.readSetting(setting::kColourListLine), 0);
  EXPECT_EQ(file.readSetting(setting::kBackgroundShown), 0);
  EXPECT_EQ(file.readSetting(setting::kLargeTiles), 1);
  EXPECT_EQ(file.readSetting(setting::kWidestWindow), 0);
  EXPECT_EQ(file.readSetting(setting::kAlwaysCentred), 1);
  EXPECT_EQ(file.readSetting(setting::kNoProperNouns), 0);
  const int screenWidth = form->screen()->geometry().width();
  EXPECT_EQ(form->x(), screenWidth / 2 - form->frameGeometry().width() / 2);
}

TEST_F(PreferencesWindowTest, SizeBoxesResizeAtOnceWithRowsElseAtTheNextDraw) {
  start();
  ASSERT_GT(form->screen()->geometry().width(), 640);
  openPreferences();
  QTest::mouseClick(prefer->checklargeurMax(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(form->width(), 636) << "no rows yet";
  pressEnter();
  EXPECT_EQ(form->width(), 796);
  openPreferences();
  QTest::mouseClick(prefer->checkTailleMax(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(form->layout().tileSize, 26);
  EXPECT_EQ(form->keybt(1)->height(), 26);
}

TEST_F(PreferencesWindowTest, AScreen640WideKeepsLargeTilesAndHidesTheirBox) {
  start(false, ScreenFacts{640, 24, false});
  openPreferences();
  EXPECT_TRUE(prefer->layoutPreferences().largeTiles);
  EXPECT_FALSE(prefer->checkTailleMax()->isVisible());
  pressEnter();
  EXPECT_EQ(form->layout().tileSize, 26);
}

TEST_F(PreferencesWindowTest, AMessageHidesThePreferences) {
  start();
  openPreferences();
  answerNextMessage("annuler", [this] { EXPECT_FALSE(prefer->isVisible()); });
  form->QuitterClick();
  EXPECT_FALSE(prefer->isVisible());
  EXPECT_TRUE(form->isVisible());
}

TEST_F(PreferencesWindowTest, ColourDialogOffersOnlyBasicColoursOnAnEightBitScreen) {
  for (int bits : {8, 24}) {
    start(false, ScreenFacts{800, bits, false});
    openPreferences();
    bool customPartShown = true;
    QTimer::singleShot(0, prefer.get(), [&customPartShown] {
      auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      customPartShown = false;
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().contains(QStringLiteral("Custom"))) customPartShown = button->isVisible();
      dialog->reject();
    });
    QTest::mouseClick(prefer->panelEdit(), Qt::LeftButton);
    EXPECT_EQ(customPartShown, bits > 8) << bits;
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0, 128, 128)) << "cancelled";
    stop();
  }
}

TEST_F(PreferencesWindowTest, FirstStartResetsThePreferencesBeforeTheWelcome) {
  start();
  Settings file = settings();
  file.writeSetting(setting::kWidestWindow, 1);
  answerNextMessage("OK", [this] {
    EXPECT_EQ(settings().readSetting(setting::kWidestWindow), 0);
    EXPECT_EQ(settings().readSetting(setting::kAlwaysCentred), 1);
    EXPECT_EQ(settings().readSetting(setting::kPattern), kDefaultPattern);
    for (QCheckBox* box : message->findChildren<QCheckBox*>()) box->setChecked(false);
  });
  form->welcomeAtFirstStart(false);
  EXPECT_EQ(settings().readSetting(setting::kStarted), 1);
}

}  // namespace
}  // namespace vorlane::test
