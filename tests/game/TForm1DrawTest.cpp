#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "game/PictureButton.h"
#include "game/TForm1TestFixture.h"
#include "platform/QtText.h"

namespace vorlane::test {
namespace {

using TForm1DrawTest = TForm1Test;

TEST_F(TForm1DrawTest, EnterStartsAnAnagramDrawWithItsRowsInPlace) {
  start();
  // The preferences lay the window out at start-up: the base height and one empty row.
  EXPECT_EQ(form->height(), 201);
  EXPECT_TRUE(form->modeBox()->isVisible());
  pressEnter();
  const GameState& state = form->engine().state();
  ASSERT_EQ(state.drawKind, kAnagramDraw);
  ASSERT_EQ(state.rowCount, 5);
  // 301 is the outer height, title bar and frame included.
  EXPECT_EQ(form->frameGeometry().height(), 301);
  // A screen wider than 640 pixels gives the middle width.
  ASSERT_GT(form->screen()->geometry().width(), 640);
  EXPECT_EQ(form->width(), 636);
  EXPECT_FALSE(form->modeBox()->isVisible());
  EXPECT_TRUE(form->keyb1()->isVisible());
  EXPECT_EQ(form->keyb1()->text().size(), 6u);
  // Every row is in place, the hidden ones too.
  for (int k = 1; k <= kRowCount; ++k) {
    EXPECT_EQ(form->keybt(k)->pos(), QPoint(16, 144 + 20 * (k - 1))) << k;
    if (k <= 5) {
      EXPECT_EQ(form->keybt(k)->size(), QSize(120, 20)) << "six tiles, in row " << k;
    }
    EXPECT_EQ(form->valuePanel(k)->isVisible(), k <= 5) << k;
    EXPECT_EQ(form->valuePanel(k)->geometry(), QRect(136, 144 + 20 * (k - 1), 33, 20)) << k;
    EXPECT_EQ(form->memo(k)->geometry(), QRect(204, 146 + 20 * (k - 1), 636 - 204 - 21, 19)) << k;
  }
  ASSERT_FALSE(form2->largeFonts());
  EXPECT_EQ(form->memo(1)->font().pixelSize(), 12) << "small fonts keep the full text size";
  // One line of text, in the middle of the row's 19 pixels: no part of a second line shows.
  const int line = QFontMetrics(form->memo(1)->font()).lineSpacing();
  EXPECT_EQ(form->memo(1)->textArea().height(), line);
  EXPECT_EQ(form->memo(1)->textArea().top(), (19 - line) / 2);
  EXPECT_FALSE(form->valuePanel(6)->isVisible());
  EXPECT_EQ(form->valuePanel(5)->text(), QStringLiteral("0"));
  EXPECT_TRUE(form->timer1()->isActive());
  EXPECT_EQ(form->statusBar()->geometry().bottom(), form->height() - 1);
}

TEST_F(TForm1DrawTest, MotPressedMovesTwoPixelsAndItsReleaseStartsTheDraw) {
  start();
  PictureButton* mot = form->imageMOT();
  const QImage picture = mot->pixmap().toImage();
  EXPECT_GT(qAlpha(picture.pixel(16, 16)), 0) << "the MOT ! picture is drawn";
  QTest::mousePress(mot, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(mot->pos(), QPoint(50, 34));
  EXPECT_FALSE(form->engine().state().drawActive);
  QTest::mouseRelease(mot, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(mot->pos(), QPoint(48, 32));
  EXPECT_TRUE(form->engine().state().drawActive);
  EXPECT_FALSE(mot->isVisible());
  ASSERT_TRUE(form->bookButton(1)->isVisible());
  EXPECT_FALSE(form->bookButton(1)->pixmap().isNull())
      << "a row's book, hidden at the start, is drawn once it shows";
}

TEST_F(TForm1DrawTest, EveryTickOfTheTimerDrainsTheReserveShown) {
  start();
  pressEnter();
  for (int tick = 0; tick < 3; ++tick) QMetaObject::invokeMethod(form->timer1(), "timeout");
  EXPECT_EQ(form->totalPanel()->text(), QStringLiteral("63"));
  EXPECT_FALSE(form->clockPanel()->isVisible()) << "the clock shows between draws only";
  typeWord(form->engine().state().rowWords[0]);
  QTest::keyClick(form.get(), Qt::Key_Return);
  EXPECT_FALSE(form->timer1()->isActive()) << "FIN ! ended the draw";
  EXPECT_EQ(form->clockPanel()->text(), QStringLiteral("00:03"));
  EXPECT_TRUE(form->clockPanel()->isVisible());
}

TEST_F(TForm1DrawTest, TypingAWordOfTheDrawFindsIt) {
  start();
  pressEnter();
  const GameState& state = form->engine().state();
  const int target = 1;
  const std::string word = state.rowWords[target - 1];
  ASSERT_EQ(word.size(), 6u);
  EXPECT_FALSE(form->imageFIN()->isVisible());
  typeWord(word);
  EXPECT_EQ(form->keybt(target)->text(), word);
  EXPECT_EQ(form->keybt(target)->fontColorRef(), kRed);
  EXPECT_EQ(state.drawGain, 66);
  EXPECT_TRUE(form->valuePanel(target)->font().bold());
  EXPECT_FALSE(form->memo(target)->toPlainText().isEmpty());
  EXPECT_TRUE(form->imageFIN()->isVisible());
  EXPECT_EQ(form->keyb2()->text(), "");
}

TEST_F(TForm1DrawTest, UnknownWordHoldsTheStatusBarUntilALetterIsTakenBack) {
  start();
  pressEnter();
  std::string letters = form->keyb1()->text();
  std::sort(letters.begin(), letters.end());
  ASSERT_EQ(rowOf(letters), 0) << "the sorted letters must not be a word of the draw";
  typeWord(letters);
  const std::string refused = " " + letters + " n'existe pas.";
  EXPECT_EQ(statusText(), refused);
  QTest::mouseMove(form->keyb1(), QPoint(5, 5));
  QTest::mouseMove(form->keyb2(), QPoint(5, 5));
  EXPECT_EQ(statusText(), refused);
  QTest::keyClick(form->keyb2(), Qt::Key_Backspace);
  EXPECT_EQ(form->keyb2()->text().size(), 5u);
  QTest::mouseMove(form->keyb2(), QPoint(50, 5));
  EXPECT_EQ(statusText(), " Cliquez sur la lettre ou tapez-la au clavier. (+ Touche efface).");
}

TEST_F(TForm1DrawTest, LinesCountedAsTheDefinitionBoxWrapsThem) {
  start();
  pressEnter();
  const std::string words = toWin1252(
      "Plante grimpante des forêts tropicales, dont les tiges souples s'accrochent aux "
      "arbres ; les lianes du Brésil, longues de plusieurs dizaines de mètres. ");
  std::vector<std::string> texts{"Court.", words, words + words + words, std::string(300, 'W')};
  // Narrow letters, one more each time: a count made for a box a few pixels wider or
  // narrower than the one drawn would break a line elsewhere.
  for (std::size_t length = 40; length <= 240; ++length)
    texts.push_back(std::string(length, 'i'));
  for (const std::string& text : texts) {
    for (int row : {1, kEnlargedRow}) {
      DefinitionMemo* box = row == kEnlargedRow ? form->memo15() : form->memo(1);
      const int width = row == kEnlargedRow ? form->layout().enlargedWidth
                                            : form->layout().rows[0].definitionBox.width;
      box->resize(width, 200);
      box->show();
      box->setPlainText(toQString(text));
      EXPECT_EQ(form->definitionLineCount(row, text), box->laidOutText().lineCount())
          << "row " << row << ", " << text.size() << " characters";
    }
  }
}

TEST_F(TForm1DrawTest, CtrlWOpensAndClosesAnEnlargedDefinition) {
  start();
  pressEnter();
  const int lianes = rowOf("LIANES");
  ASSERT_GT(lianes, 0);
  typeWord("LIANES");
  ASSERT_GT(form->engine().view().rows[lianes - 1].definition.tag, 19)
      << "the definition takes more than one line of its box";
  QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(form->memo15()->isVisible());
  EXPECT_EQ(form->memo15()->x(), 204);
  EXPECT_GT(form->memo15()->height(), 19);
  EXPECT_TRUE(form->memo15()->toPlainText().contains(QStringLiteral("Plante grimpante")));
  EXPECT_EQ(form->memo15()->font(), form->memo(lianes)->font()) << "the rows' text size";
  // Each of its lines is drawn on a band of its own, from the top of the box.
  DefinitionMemo* box = form->memo15();
  const QImage drawn = box->grab().toImage();
  const int lineHeight = QFontMetrics(box->font()).lineSpacing();
  const QRect text = box->textArea();
  ASSERT_GE(text.height(), 2 * lineHeight);
  for (int top = text.top(); top + lineHeight <= text.bottom(); top += lineHeight) {
    int ink = 0;
    for (int y = top; y < top + lineHeight; ++y)
      for (int x = text.left(); x <= text.right(); ++x)
        ink += QColor(drawn.pixel(x, y)) != box->palette().color(QPalette::Base);
    EXPECT_GT(ink, 20) << "line at " << top;
  }
  QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(form->memo15()->isVisible());
  QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
  ASSERT_TRUE(form->memo15()->isVisible());
  // Any key closes it and still reaches the letters.
  const char letter = form->keyb1()->text()[0];
  QTest::keyClick(form->keyb1(), letter);
  EXPECT_FALSE(form->memo15()->isVisible());
  EXPECT_EQ(form->keyb2()->text(), std::string(1, letter));
}

TEST_F(TForm1DrawTest, EnlargedDefinitionHidesTheRowsBeneathIt) {
  start();
  pressEnter();
  typeWord("LIANES");
  QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
  const DefinitionMemo* box = form->memo15();
  ASSERT_TRUE(box->isVisible());
  const QImage window = form->grab().toImage();
  const QColor background = box->palette().color(QPalette::Base);
  // The strip between the frame and the text, where the row's own text starts.
  const int frame = box->frameWidth();
  for (int x = box->x() + frame; x < box->x() + box->textArea().left(); ++x)
    for (int y = box->y() + frame; y < box->y() + box->height() - frame; ++y)
      ASSERT_EQ(QColor(window.pixel(x, y)), background) << "at " << x << "," << y;
}

TEST_F(TForm1DrawTest, QuitAnsweredCancelKeepsTheTimerRunning) {
  start();
  pressEnter();
  answerNextMessage("annuler", [this] {
    EXPECT_EQ(message->findChild<QLabel*>("Panel2")->text(),
              QStringLiteral("Voulez-vous réellement quitter Vorlane ?"));
  });
  QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->timer1()->isActive());
  EXPECT_TRUE(form->engine().state().drawActive);
}

TEST_F(TForm1DrawTest, QuitConfirmedEndsTheGameQuietlyAndClosesTheWindow) {
  start();
  pressEnter();
  answerNextMessage("OK");
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->timer1()->isActive());
  EXPECT_FALSE(form->engine().state().drawActive);
}

TEST_F(TForm1DrawTest, AfterTheNameEntryEnterStartsTheNextGame) {
  temp.writeFile("Zari666/stx.666", std::string(13 * kScoreNameRecordSize, '\0'));
  start();
  QTest::mouseClick(form->compet(), Qt::LeftButton, {}, QPoint(5, 10));
  pressEnter();
  typeWord(form->engine().state().rowWords[0]);
  pressEnter();
  pressEnter();
  answerNextMessage("OK", [this] {
    // The name entry opens once the message has closed.
    auto* poll = new QTimer(scores.get());
    QObject::connect(poll, &QTimer::timeout, scores.get(), [this, poll] {
      if (!scores->isVisible()) return;
      poll->stop();
      QTest::keyClicks(scores->findChild<QWidget*>("TilesEntre"), "ZOE");
      QTest::keyClick(scores->findChild<QWidget*>("TilesEntre"), Qt::Key_Return);
    });
    poll->start(10);
  });
  for (int tick = 0; tick < 200 && form->engine().state().score != 0; ++tick)
    QMetaObject::invokeMethod(form->timer1(), "timeout");
  EXPECT_FALSE(scores->isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(form.get(), 500)) << "the game has the keys back";
  pressEnter();
  EXPECT_TRUE(form->engine().state().drawActive);
}

}  // namespace
}  // namespace vorlane::test
