#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/IoErrorReport.h"
#include "controls/TLetterTiles.h"
#include "controls/Tkey_in.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "platform/QtText.h"
#include "scores/ScoreFiles.h"
#include "scores/TFormscore.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

// Answers the next message box the window opens: clicks `button` and keeps the box's text.
class BoxAnswer {
 public:
  explicit BoxAnswer(QMessageBox::StandardButton button) {
    QObject::connect(&timer_, &QTimer::timeout, [this, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      timer_.stop();
      text = box->text();
      box->button(button)->click();
    });
    timer_.start(10);
  }

  QString text;

 private:
  QTimer timer_;
};

class TFormscoreTest : public ::testing::Test {
 protected:
  TFormscoreTest() : folder_(temp_.path()) {
    folder_.setWritable(true);
    temp_.writeFile("Zari666/Prefint.666",
                    test::settingsBytes({500, 400, 300, 200, 100, 0}, {90, 80, 70, 60, 50, 40}));
    temp_.writeFile("Zari666/stx.666",
                    test::namesBytes({"ANNE", "BRUNO", "CLARA", "DAVID", "EMMA", ""},
                                     {"JULES", "KIM", "LEA", "MILO", "NINA", "OSCAR"}));
    main_.setGeometry(200, 150, 517, 186);
    main_.show();
  }

  std::string storedName(int record) const { return Settings(folder_).readScoreName(record); }
  std::int32_t storedPoints(int record) const { return Settings(folder_).readSetting(record); }

  // Runs `during` once the modal show has started, then the show itself.
  int runModal(TFormscore& form, const std::function<void()>& during) {
    QTimer::singleShot(0, during);
    return form.showModalForName();
  }

  test::TempFolder temp_;
  DataFolder folder_;
  QWidget main_;
};

TEST_F(TFormscoreTest, NameTypedIntoTheEntryAndOkIsWritten) {
  TFormscore form(folder_, &main_, false);
  ASSERT_EQ(form.insertScore(250), 4);
  EXPECT_EQ(form.nameEntry()->y(), form.nameBox(4)->y());
  EXPECT_FALSE(form.modeButton()->isVisibleTo(&form));

  bool ran = false;
  const int result = runModal(form, [&] {
    ran = true;
    EXPECT_TRUE(form.isModal());
    EXPECT_FALSE(form.clearButton()->isVisible());
    EXPECT_EQ(form.pos(), main_.pos() + QPoint(15, 15));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.nameEntry()->hasFocus());
    QTest::keyClicks(form.nameEntry(), "zoe");
    QTest::keyClick(form.nameEntry(), Qt::Key_Return);
  });

  EXPECT_TRUE(ran);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.clearButton()->isHidden());
  EXPECT_FALSE(form.modeButton()->isHidden());
  EXPECT_GT(form.nameEntry()->y(), form.height());
  EXPECT_EQ(form.nameBox(4)->text(), "ZOE");
  EXPECT_EQ(storedName(4), "ZOE");
  EXPECT_EQ(storedPoints(setting::kSeniorScores + 3), 250);
  EXPECT_EQ(storedName(5), "DAVID");
  EXPECT_EQ(storedPoints(setting::kSeniorScores + 5), 100);
}

TEST_F(TFormscoreTest, CloseBoxCommitsTheNameTypedSoFar) {
  TFormscore form(folder_, &main_, false);
  ASSERT_EQ(form.insertScore(600), 1);
  runModal(form, [&] {
    QTest::keyClicks(form.nameEntry(), "al");
    form.close();
  });
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(form.table().pendingEntry());
  EXPECT_EQ(storedName(1), "AL");
  EXPECT_EQ(storedName(2), "ANNE");
  EXPECT_EQ(storedPoints(setting::kSeniorScores), 600);
}

TEST_F(TFormscoreTest, LosingActivationClosesAndCommits) {
  TFormscore form(folder_, &main_, true);
  ASSERT_EQ(form.insertScore(75), 3);
  form.showScores();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  main_.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
  EXPECT_EQ(storedName(6 + 3), "666");
  EXPECT_EQ(storedPoints(setting::kJuniorScores + 2), 75);
  EXPECT_EQ(storedName(6 + 4), "LEA");
  EXPECT_EQ(storedName(3), "CLARA");
}

TEST_F(TFormscoreTest, HoldingTheClassButtonShowsTheOtherClass) {
  TFormscore form(folder_, &main_, false);
  form.showScores();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Le top 6 senior"));
  EXPECT_EQ(form.modeButton()->text(), QStringLiteral("Top junior"));

  QTest::mousePress(form.modeButton(), Qt::LeftButton);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Le top 6 junior"));
  EXPECT_EQ(form.nameBox(1)->text(), "JULES");
  EXPECT_EQ(form.pointsPanel(6)->text(), QStringLiteral("40"));
  EXPECT_EQ(form.modeButton()->text(), QStringLiteral("Top junior"));

  QTest::mouseRelease(form.modeButton(), Qt::LeftButton);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Le top 6 senior"));
  EXPECT_EQ(form.nameBox(1)->text(), "ANNE");
  EXPECT_EQ(form.pointsPanel(1)->text(), QStringLiteral("500"));
  EXPECT_EQ(form.modeButton()->text(), QStringLiteral("Top junior"));
  form.hide();
}

TEST_F(TFormscoreTest, EffacerAsksFirstAndClearsOnlyOnYes) {
  TFormscore form(folder_, &main_, false);
  form.showScores();
  {
    BoxAnswer no(QMessageBox::No);
    QTest::mouseClick(form.clearButton(), Qt::LeftButton);
    EXPECT_EQ(no.text, QStringLiteral("Voulez-vous réellement effacer les scores ?"));
  }
  EXPECT_EQ(storedName(2), "BRUNO");
  EXPECT_TRUE(form.isVisible());

  BoxAnswer yes(QMessageBox::Yes);
  QTest::mouseClick(form.clearButton(), Qt::LeftButton);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(storedName(1), "ANNE");
  EXPECT_EQ(storedName(2), "");
  EXPECT_EQ(storedPoints(setting::kSeniorScores + 1), 0);
  EXPECT_EQ(storedName(8), "KIM");
  EXPECT_EQ(form.nameBox(2)->text(), "");
  EXPECT_EQ(form.pointsPanel(2)->text(), QStringLiteral("0"));
  EXPECT_EQ(form.pointsPanel(1)->text(), QStringLiteral("500"));
  form.hide();
}

TEST_F(TFormscoreTest, ReadOnlyCommitShowsTheNoticeAndWritesNothing) {
  folder_.setWritable(false);
  const std::string namesBefore = temp_.readFile("Zari666/stx.666");
  TFormscore form(folder_, &main_, false);
  ASSERT_EQ(form.insertScore(450), 2);

  BoxAnswer notice(QMessageBox::Ok);
  runModal(form, [&] {
    QTest::keyClicks(form.nameEntry(), "max");
    QTest::mouseClick(form.okButton(), Qt::LeftButton);
  });

  EXPECT_EQ(notice.text, QStringLiteral("Application lancée à partir d'un disque protégé en "
                                        "écriture. Impossible d'enregistrer les scores."));
  EXPECT_EQ(temp_.readFile("Zari666/stx.666"), namesBefore);
  EXPECT_EQ(form.nameBox(2)->text(), "MAX");
  EXPECT_EQ(form.pointsPanel(2)->text(), QStringLiteral("450"));
}

TEST_F(TFormscoreTest, ShortSettingsFileIsReportedAndStillOpensTheWindow) {
  temp_.writeFile("Zari666/Prefint.666", test::settingsBytes({500, 400, 300, 200, 100, 0}, {}, 14));
  std::vector<std::string> reported;
  setIoErrorReporter(
      [&](const IoError& error) { reported.push_back(error.file().filename().string()); });
  TFormscore form(folder_, &main_, false);
  EXPECT_EQ(reported, std::vector<std::string>{"Prefint.666"}) << "one report for the table";
  setIoErrorReporter({});
  form.showScores();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.pointsPanel(3)->text(), QStringLiteral("300"));
  EXPECT_EQ(form.pointsPanel(4)->text(), QStringLiteral("0"));
  EXPECT_EQ(form.nameBox(4)->text(), "DAVID");
  form.hide();
}

}  // namespace
}  // namespace vorlane
