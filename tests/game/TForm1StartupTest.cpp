#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/IoErrorReport.h"
#include "controls/Tkeybt.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "game/Pictures.h"
#include "game/TForm1TestFixture.h"
#include "platform/HelpViewer.h"

namespace vorlane::test {
namespace {

using TForm1StartupTest = TForm1Test;

TEST_F(TForm1StartupTest, ModeAndClassComeFromTheSettingsAndNameTheTitle) {
  start();
  Settings settings(form->folder());
  settings.writeSetting(setting::kTrainingMode, 1);
  settings.writeSetting(setting::kJuniorClass, 1);
  stop();
  start();
  EXPECT_TRUE(form->entrain()->isChecked());
  EXPECT_TRUE(form->junior()->isChecked());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Entraînement - Junior - Version 1.3"));
  // The icon the window manager shows, at every size it is given.
  const QIcon icon = form->windowIcon();
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
  EXPECT_EQ(icon.pixmap(QSize(64, 64)).toImage(),
            loadPicture(QStringLiteral("vorlane"), QSize(64, 64), 1.0).toImage());
}

TEST_F(TForm1StartupTest, ModeAndClassClicksWriteTheirRecordsBeforeAnyGame) {
  start();
  Settings settings(form->folder());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Version 1.3"));
  EXPECT_TRUE(form->compet()->isChecked());
  EXPECT_TRUE(form->senior()->isChecked());
  EXPECT_FALSE(form->installationEntry()->isVisible()) << "a writable folder needs no installer";
  // The mode box's own layout: the two modes on the left, the two classes in a box.
  EXPECT_EQ(form->entrain()->geometry(), QRect(10, 22, 110, 20));
  EXPECT_EQ(form->junior()->parentWidget()->geometry(), QRect(128, 12, 120, 62));
  EXPECT_EQ(form->junior()->geometry(), QRect(10, 8, 100, 20));
  QTest::mouseClick(form->entrain(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_EQ(settings.readSetting(setting::kTrainingMode), 1);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Entraînement - Version 1.3"));
  QTest::mouseClick(form->junior(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_EQ(settings.readSetting(setting::kJuniorClass), 1);
  EXPECT_TRUE(scores->juniorClass());
  QTest::mouseClick(form->compet(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_EQ(settings.readSetting(setting::kTrainingMode), 0);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Junior - Version 1.3"));
}

TEST_F(TForm1StartupTest, FileFailureInAClickIsReportedAndTheGameGoesOn) {
  start();
  std::vector<std::string> reported;
  setIoErrorReporter([&](const IoError& error) { reported.push_back(error.file().string()); });
  std::filesystem::remove(temp.dataFolder() / "Prefint.666");
  QTest::mouseClick(form->entrain(), Qt::LeftButton, {}, QPoint(5, 10));
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_NE(reported[0].find("Prefint.666"), std::string::npos);
  QTest::keyClick(form.get(), Qt::Key_Return);
  EXPECT_TRUE(form->engine().state().drawActive);
  stop();
  EXPECT_EQ(reported.size(), 2u) << "the place saved at the end meets the same missing file";
}

TEST_F(TForm1StartupTest, DamagedSettingsFileIsReportedAndTheGameStillStarts) {
  temp.writeFile("Zari666/Prefint.666", std::string(10, '\0'));
  std::vector<std::string> reported;
  setIoErrorReporter([&](const IoError& error) { reported.push_back(error.file().string()); });
  start();
  ASSERT_FALSE(reported.empty());
  EXPECT_NE(reported[0].find("Prefint.666"), std::string::npos);
  temp.writeFile("Zari666/gagne.wav", "RIFF");
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->engine().state().soundAvailable; }, 2000));
  EXPECT_TRUE(sound.played.empty()) << "a damaged file is no write-protected medium";
  EXPECT_EQ(form->size(), QSize(517, 186)) << "the window keeps its start-up size";
  EXPECT_EQ(form->statusBar()->geometry(), QRect(0, 186 - 19, 517, 19));
  QTest::keyClick(form.get(), Qt::Key_Return);
  EXPECT_TRUE(form->engine().state().drawActive);
  EXPECT_EQ(form->engine().state().rowCount, 5);
  stop();
}

TEST_F(TForm1StartupTest, WindowPlaceIsSavedWhenItIsDestroyedAndUsedAtTheNextStart) {
  start();
  form->move(120, 90);
  const QPoint place = form->pos();
  stop();
  const DataFolder folder{temp.path()};
  Settings settings(folder);
  EXPECT_EQ(settings.readSetting(setting::kWindowTop), place.y());
  EXPECT_EQ(settings.readSetting(setting::kWindowLeft), place.x());
}

TEST_F(TForm1StartupTest, FirstStartWelcomesOnceAndOpensTheReadMe) {
  temp.writeFile("vorlane.hlp", "<html><body><a name=\"sommaire\"></a>Sommaire</body></html>");
  start();
  form->welcomeAtFirstStart(true);
  EXPECT_FALSE(form->helpViewer()->isVisible()) << "no welcome after the installer's hand-off";
  form->keyb1()->setFocus();
  answerNextMessage("OK");
  form->welcomeAtFirstStart(false);
  EXPECT_EQ(form->focusWidget(), form->findChild<QPushButton*>("Button1")) << "Enter plays MOT !";
  EXPECT_EQ(Settings(form->folder()).readSetting(setting::kStarted), 1);
  EXPECT_TRUE(form->helpViewer()->isVisible());
  form->helpViewer()->hide();
  form->welcomeAtFirstStart(false);
  EXPECT_FALSE(form->helpViewer()->isVisible()) << "welcomed once";
}

TEST_F(TForm1StartupTest, AFolderThatTakesNoNewFileWelcomesOnceWithoutAnError) {
  std::vector<std::string> reported;
  setIoErrorReporter([&](const IoError& error) { reported.push_back(error.file().string()); });
  temp.writeFile("vorlane.hlp", "<html><body><a name=\"sommaire\"></a>Sommaire</body></html>");
  temp.writeFile("Zari666/Prefint.666", temp.readFile("Zari666/Nsco.666"));
  takesNoNewFile = true;
  int welcomes = 0;
  for (int run = 0; run < 3; ++run) {
    start();
    QTimer::singleShot(0, message.get(), [&] {
      if (!message->isVisible()) return;
      ++welcomes;
      QTest::mouseClick(message->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    form->welcomeAtFirstStart(false);
    stop();
  }
  EXPECT_EQ(welcomes, 1);
  EXPECT_EQ(reported, std::vector<std::string>{});
}

// Records 100..399 (the recent draws) and colour 2 lie past the ends of their files: every
// later step of the start-up still runs, and the game plays what its buttons show.
TEST_F(TForm1StartupTest, ShortSettingsAndColourFilesLeaveNoStartUpStepUndone) {
  std::string settings(4 * 120, '\0');
  settings[4 * setting::kTrainingMode] = 1;
  settings[4 * setting::kJuniorClass] = 1;
  temp.writeFile("Zari666/Prefint.666", settings);
  temp.writeFile("Zari666/color.ini", std::string("\xFF\0\0\0\0\0\0\0", 8));
  std::vector<std::string> reported;
  setIoErrorReporter(
      [&](const IoError& error) { reported.push_back(error.file().filename().string()); });
  start();
  EXPECT_EQ(reported, (std::vector<std::string>{"Prefint.666", "color.ini"}));
  EXPECT_TRUE(form->entrain()->isChecked());
  EXPECT_TRUE(form->junior()->isChecked());
  EXPECT_TRUE(form->engine().state().trainingMode);
  EXPECT_TRUE(form->engine().state().juniorClass);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Entraînement - Junior - Version 1.3"));
  EXPECT_EQ(scores->windowTitle(), QStringLiteral("Le top 6 junior"));
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::red));
}

TEST_F(TForm1StartupTest, ReadOnlyDataFolderOffersTheInstallerAndCentresTheWindow) {
  temp.writeFile("Zari666/gagne.wav", "RIFF");
  start(true);
  EXPECT_FALSE(form->folder().writable());
  EXPECT_TRUE(form->installationEntry()->isVisible());
  EXPECT_TRUE(form->engine().state().alwaysCentred);
  // The preferences show the centring, whichever of their lines the player looks at.
  prefer->colorcombo()->setCurrentRow(kBackgroundLine);
  EXPECT_TRUE(prefer->checkcentree()->isChecked());
  // Once the window is painted: the devices are known to the game, and its sound plays.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !sound.played.empty(); }, 2000));
  EXPECT_EQ(sound.played, std::vector<std::string>{"gagne.wav"});
  EXPECT_TRUE(form->engine().state().soundAvailable);
  const QRect screen = form->screen()->geometry();
  EXPECT_EQ(form->pos(), QPoint(screen.width() / 2 - form->width() / 2,
                                screen.height() / 2 - form->frameGeometry().height() / 2 - 10));
  QTest::mouseClick(form->entrain(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_TRUE(form->engine().state().trainingMode) << "the choice holds, unsaved";
  form->move(10, 10);
  form->hide();
  form->show();
  EXPECT_EQ(form->pos(), QPoint(10, 10)) << "centred at the start only, not at every show";
}

// The program makes its other windows in this step: never before the first picture, once
// only, and after the read-only start's sound, which the first start-up step plays.
TEST_F(TForm1StartupTest, TheStepAfterTheFirstPaintRunsOnceAfterTheSound) {
  temp.writeFile("Zari666/gagne.wav", "RIFF");
  TForm1 window({temp.path(), "", noNetwork, true, false}, sound);
  std::vector<std::vector<std::string>> soundsAtEachRun;
  window.afterFirstPaint([&] { soundsAtEachRun.push_back(sound.played); });
  QCoreApplication::processEvents();
  EXPECT_TRUE(soundsAtEachRun.empty()) << "the window is not painted yet";
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !soundsAtEachRun.empty(); }, 2000));
  window.repaint();
  QTest::qWait(20);
  EXPECT_EQ(soundsAtEachRun, (std::vector<std::vector<std::string>>{{"gagne.wav"}}));
  EXPECT_TRUE(window.engine().state().soundAvailable);
  int lateRuns = 0;
  window.afterFirstPaint([&] { ++lateRuns; });
  EXPECT_EQ(lateRuns, 1) << "a step given once the window is painted runs at once";
}

TEST_F(TForm1StartupTest, MouseOverTheWindowInvitesToPlay) {
  start();
  QTest::mouseMove(form.get(), QPoint(300, 130));
  EXPECT_EQ(form->statusBar()->text(),
            QStringLiteral(" Clic sur MOT ! ou touche Entrée pour commencer. Bouton droit de la "
                           "souris : accès au menu."));
}

TEST_F(TForm1StartupTest, PointerOverPartsWithoutHelpLeavesTheStatusBarAlone) {
  start();
  QTest::mouseMove(form->statusBar(), QPoint(100, 8));
  QTest::mouseMove(form->modeBox(), QPoint(120, 76));
  EXPECT_EQ(statusText(), "");
  QTest::mouseMove(form.get(), QPoint(300, 130));
  EXPECT_NE(statusText(), "");
}

TEST_F(TForm1StartupTest, StatusPanelsCoverTheStatusTextRunningUnderThem) {
  start();
  QTest::mouseMove(form.get(), QPoint(300, 130));
  const QImage bar = form->statusBar()->grab().toImage();
  const QRect total = form->totalPanel()->geometry();
  const QColor face = form->totalPanel()->palette().color(QPalette::Window);
  // The left edge of the reserve panel, inside its frame and clear of its centred digits.
  for (int x = total.left() + 2; x < total.left() + 10; ++x)
    for (int y = total.top() + 2; y < total.bottom() - 1; ++y)
      ASSERT_EQ(QColor(bar.pixel(x, y)), face) << "at " << x << "," << y;
}

TEST_F(TForm1StartupTest, InstallationEntryShowsOnlyWithCtrlAltRightClick) {
  start();
  EXPECT_FALSE(form->installationEntry()->isVisible());
  EXPECT_FALSE(form->contactEntry()->isEnabled()) << "no network interface";
  EXPECT_FALSE(form->webEntry()->isEnabled());
  QTest::mouseClick(form.get(), Qt::RightButton, {}, QPoint(300, 130));
  EXPECT_TRUE(form->popupMenu()->isVisible());
  EXPECT_FALSE(form->installationEntry()->isVisible());
  form->popupMenu()->hide();
  QTest::mouseClick(form.get(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier,
                    QPoint(300, 130));
  EXPECT_TRUE(form->installationEntry()->isVisible());
  form->popupMenu()->hide();
}

}  // namespace
}  // namespace vorlane::test

// A folder where the settings file should be: the start names it in the data folder, says
// why, and offers no installer; the game saves nothing and plays what its buttons show.
namespace vorlane::test {
namespace {

TEST_F(TForm1StartupTest, AFolderInPlaceOfTheSettingsIsToldAndTheButtonsStillRule) {
  std::filesystem::remove(temp.dataFolder() / "Prefint.666");
  std::filesystem::create_directory(temp.dataFolder() / "Prefint.666");
  std::vector<IoError> reported;
  setIoErrorReporter([&](const IoError& error) { reported.push_back(error); });
  start();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0].file(), temp.dataFolder() / "Prefint.666");
  EXPECT_NE(std::string(reported[0].what()).find("dossier"), std::string::npos);
  EXPECT_FALSE(form->folder().writable());
  EXPECT_FALSE(form->installationEntry()->isVisible()) << "not a write-protected disk";
  EXPECT_FALSE(form->engine().state().alwaysCentred);
  QTest::mouseClick(form->entrain(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_TRUE(form->engine().state().trainingMode);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Entraînement - Version 1.3"));
  QTest::mouseClick(form->compet(), Qt::LeftButton, {}, QPoint(5, 10));
  EXPECT_FALSE(form->engine().state().trainingMode);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlane - Version 1.3"));
  EXPECT_EQ(reported.size(), 1u) << "nothing more to report: nothing is written";
  EXPECT_TRUE(std::filesystem::is_directory(temp.dataFolder() / "Prefint.666"));
  stop();
}

}  // namespace
}  // namespace vorlane::test
