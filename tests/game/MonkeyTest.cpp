#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "app/IoErrorReport.h"
#include "controls/TLetterTiles.h"
#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"
#include "data/IoError.h"
#include "game/PictureButton.h"
#include "game/TForm1.h"
#include "game/TForm1TestFixture.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "platform/QtText.h"
#include "scores/ScoreTable.h"
#include "scores/TFormscore.h"
#include "support/TempFolder.h"

// The game's windows on the real built data set under 20,000 random events: typed letters,
// words of the draw typed whole (read through the game's state, as a player who knows them,
// or the draw's letters shuffled), Enter, Backspace, arrows, the Ctrl shortcuts, Alt, clicks
// on every control and menu entry but quitting, timer ticks and long pauses of ticks. The monkey plays Normal
// games, so that its scores rank. After every event what must always hold is checked; at
// the end the run must have found words, ended games, ranked scores and saved every one of
// them. A failure names the seed; VORLANE_MONKEY_SEED=<seed> replays it.
namespace vorlane::test {
namespace {

namespace fs = std::filesystem;

constexpr int kEvents = 20000;
constexpr unsigned kDefaultSeed = 20261208;

unsigned monkeySeed() {
  const char* given = std::getenv("VORLANE_MONKEY_SEED");
  return given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : kDefaultSeed;
}

std::string sorted(std::string letters) {
  letters.erase(std::remove(letters.begin(), letters.end(), ' '), letters.end());
  std::sort(letters.begin(), letters.end());
  return letters;
}

class MonkeyTest : public ::testing::Test {
 protected:
  MonkeyTest() : noNetwork(temp.path() / "net"), random(seed) {
    fs::copy(VORLANE_DATA_SET, temp.path() / "Zari666", fs::copy_options::recursive);
    fs::create_directories(noNetwork);
    // The desktop menu group and the help viewer's files stay in the test's folder.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((temp.path() / "share").string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((temp.path() / "config").string()));
    setIoErrorReporter([this](const IoError& error) { ioErrors.push_back(error.file().string()); });
  }
  ~MonkeyTest() override {
    about.reset();
    message.reset();
    scores.reset();
    form.reset();
    setIoErrorReporter({});
  }

  void start() {
    form = std::make_unique<TForm1>(TForm1::Surroundings{temp.path(), "", noNetwork}, sound);
    ASSERT_TRUE(form->dataFilesOk());
    scores = std::make_unique<TFormscore>(form->folder(), form.get(),
                                          form->engine().state().juniorClass);
    message = std::make_unique<TFormMessage>(form.get());
    about = std::make_unique<Tdlg>(form.get());
    form->attachWindows(scores.get(), message.get(), about.get());
    form->engine().setDrawSeeder([this](Random& r) { r.seed(static_cast<std::uint32_t>(random())); });
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

  template <typename T>
  T pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
  }

  // Answers whatever modal window is open: the name entry takes a few letters first.
  void answerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    ++modalsAnswered;
    if (modal == scores.get()) {
      if (scores->table().pendingEntry()) ++scoresRanked;
      for (int i = below(4); i > 0; --i) {
        QTest::keyClick(scores->nameEntry(), static_cast<char>('A' + below(26)));
      }
    }
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
      if (button->isVisible() && button->isEnabled()) buttons.push_back(button);
    }
    if (buttons.empty()) {
      modal->close();
      return;
    }
    pick(buttons)->click();
  }

  // Widgets a player can click on the main window now.
  std::vector<QWidget*> clickable() const {
    // "Entraînement" is left alone: a training game never ranks.
    std::vector<QWidget*> widgets = {form->imageMOT(), form->imageFIN(), form->imageTETE(),
                                     form->keyb1(),    form->keyb2(),    form->memo15(),
                                     form->statusBar(), form->compet(),
                                     form->junior(),   form->senior(),   form->comboBoxAna(),
                                     form->solutionSwitch(), form->clockPanel(),
                                     form->totalPanel(), form.get()};
    for (int k = 1; k <= kRowCount; ++k) {
      widgets.push_back(form->keybt(k));
      widgets.push_back(form->bookButton(k));
      widgets.push_back(form->memo(k));
    }
    std::vector<QWidget*> shown;
    for (QWidget* widget : widgets) {
      if (widget->isVisible()) shown.push_back(widget);
    }
    return shown;
  }

  // Every menu entry but quitting, submenus opened. The installer, which ends the game to
  // start the installed copy, is a way of quitting too.
  std::vector<QAction*> menuEntries() const {
    std::vector<QAction*> entries;
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
      for (QAction* action : menu->actions()) {
        if (action->menu()) {
          collect(action->menu());
        } else if (!action->isSeparator() && action != form->installationEntry() &&
                   action->text() != QStringLiteral("Quitter")) {
          entries.push_back(action);
        }
      }
    };
    collect(form->popupMenu());
    return entries;
  }

  void click() {
    QWidget* widget = pick(clickable());
    const QPoint at(below(std::max(widget->width(), 1)), below(std::max(widget->height(), 1)));
    const Qt::MouseButton button = below(8) == 0 ? Qt::RightButton : Qt::LeftButton;
    Qt::KeyboardModifiers modifiers;
    if (below(10) == 0) modifiers = Qt::ControlModifier | Qt::AltModifier;
    if (below(3) == 0) {
      // Held, as a book button is held to read its enlarged definition.
      QTest::mousePress(widget, button, modifiers, at);
      QTest::mouseMove(widget, at);
      QTest::mouseRelease(widget, button, modifiers, at);
    } else {
      QTest::mouseClick(widget, button, modifiers, at);
    }
    form->popupMenu()->hide();
  }

  void typeLetter() {
    const std::string& letters = form->engine().state().drawLetters;
    char letter = static_cast<char>('A' + below(26));
    if (!letters.empty() && below(4) != 0) letter = letters[static_cast<std::size_t>(below(static_cast<int>(letters.size())))];
    if (below(3) == 0) letter = static_cast<char>(letter - 'A' + 'a');
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, letter);
  }

  // A word of the draw typed whole on the upper keyboard once the lower one is emptied: most
  // often a row not found yet, else the draw's letters shuffled.
  void playWord() {
    const GameState& state = form->engine().state();
    if (!state.drawActive || !form->keyb1()->isVisible()) {
      typeLetter();
      return;
    }
    for (int i = 0; i < kWordLength; ++i) QTest::keyClick(form->keyb1(), Qt::Key_Backspace);
    std::vector<std::string> open;
    for (int k = 1; k <= state.rowCount; ++k) {
      const std::string& word = state.rowWords[static_cast<std::size_t>(k - 1)];
      if (!word.empty() && form->engine().view().rows[static_cast<std::size_t>(k - 1)].inputColour != kRed)
        open.push_back(word);
    }
    std::string word = sorted(state.drawLetters);
    if (open.empty() || below(4) == 0) {
      std::shuffle(word.begin(), word.end(), random);
    } else {
      word = pick(open);
    }
    for (const char letter : word) QTest::keyClick(form->keyb1(), letter);
  }

  // The counts of a playing run, updated after every event.
  void count(const GameState& before) {
    const GameState& state = form->engine().state();
    if (state.drawActive && state.foundCount > before.foundCount && before.drawActive)
      wordsFound += state.foundCount - before.foundCount;
    // The reserve ran out with nothing won: the game ended and a new one waits.
    if (before.drawActive && before.reserve <= 1 && !state.drawActive &&
        state.reserve == kStartReserve && state.score == 0)
      ++gamesEnded;
    if (scoresRanked == scoresSaved) return;
    ScoreTable stored(form->folder());
    stored.loadScores(state.juniorClass, false);
    if (stored.rows() != lastStored) {
      ++scoresSaved;
      lastStored = stored.rows();
    }
  }

  // Up to `ticks` seconds without a move in a draw (one is started when none runs); with
  // `untilTheEnd`, each draw that ends is followed by the next one until the game ends.
  void pause(int ticks, bool untilTheEnd) {
    const int gamesBefore = gamesEnded;
    if (!form->timer1()->isActive()) key(Qt::Key_Return);
    for (; ticks > 0 && gamesEnded == gamesBefore; --ticks) {
      if (!form->timer1()->isActive()) {
        if (!untilTheEnd) return;
        key(Qt::Key_Return);
        if (!form->timer1()->isActive()) return;
      }
      const GameState before = form->engine().state();
      tick();
      QApplication::processEvents();
      count(before);
    }
  }

  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
    QTest::keyClick(target, key, modifiers);
  }

  void tick() {
    if (form->timer1()->isActive()) QMetaObject::invokeMethod(form->timer1(), "timeout");
  }

  void oneEvent() {
    // Now and then the player starts a draw and thinks for a long while: the reserve drains,
    // and a draw in which nothing is won ends the game.
    if (below(100) == 0) {
      pause(40 + below(100), false);
      return;
    }
    // Rarely, the player gives up: draw after draw, nothing more is found until the game ends.
    if (below(1500) == 0) {
      pause(600, true);
      return;
    }
    switch (below(12)) {
      case 0:
      case 1:
        typeLetter();
        break;
      case 2:
        playWord();
        break;
      case 3:
        key(Qt::Key_Return);
        break;
      case 4:
        key(Qt::Key_Backspace);
        break;
      case 5:
        key(pick(std::vector<Qt::Key>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}));
        break;
      case 6:
        key(pick(std::vector<Qt::Key>{Qt::Key_L, Qt::Key_D, Qt::Key_W}), Qt::ControlModifier);
        break;
      case 7:
        key(Qt::Key_Alt, Qt::AltModifier);
        break;
      case 8:
        click();
        break;
      case 9: {
        QAction* entry = pick(menuEntries());
        if (entry->isEnabled()) entry->trigger();
        break;
      }
      default:
        tick();
        break;
    }
    QApplication::processEvents();
  }

  // What must hold after every event.
  void checkInvariants(int event) {
    const GameState& state = form->engine().state();
    const MainViewModel& view = form->engine().view();
    const std::string where = "event " + std::to_string(event) + ", seed " + std::to_string(seed);
    if (state.drawActive && view.keyb1.visible) {
      ASSERT_EQ(sorted(view.keyb1.row.text() + view.keyb2.row.text()), sorted(state.drawLetters))
          << where;
      ASSERT_EQ(sorted(state.drawLetters).size(), 6u) << where;
    }
    ASSERT_GE(state.score, 0) << where;
    ASSERT_GE(state.reserve, 0) << where;
    ASSERT_LE(state.foundCount, state.rowCount) << where;
    ASSERT_LE(state.rowCount, kRowCount) << where;
    ASSERT_TRUE(ioErrors.empty()) << where << ": " << ioErrors.front();
  }

  TempFolder temp;
  fs::path noNetwork;
  RecordingSoundOutput sound;
  const unsigned seed = monkeySeed();
  std::mt19937 random;
  std::vector<std::string> ioErrors;
  int modalsAnswered = 0;
  int wordsFound = 0;
  int gamesEnded = 0;
  int scoresRanked = 0;
  int scoresSaved = 0;
  std::array<ScoreRow, kScoreRows> lastStored{};
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TFormscore> scores;
  std::unique_ptr<TFormMessage> message;
  std::unique_ptr<Tdlg> about;
};

TEST_F(MonkeyTest, TwentyThousandRandomEventsKeepTheGameWhole) {
  std::cout << "monkey seed " << seed << " (VORLANE_MONKEY_SEED replays it)" << std::endl;
  start();
  QTest::mouseClick(form->compet(), Qt::LeftButton);
  ASSERT_FALSE(form->engine().state().trainingMode);
  {
    ScoreTable stored(form->folder());
    stored.loadScores(form->engine().state().juniorClass, false);
    lastStored = stored.rows();
  }
  QTimer answerer;
  QObject::connect(&answerer, &QTimer::timeout, [this] { answerModal(); });
  answerer.start(0);
  int draws = 0;
  for (int event = 1; event <= kEvents; ++event) {
    const GameState before = form->engine().state();
    try {
      oneEvent();
      count(before);
    } catch (const std::exception& error) {
      FAIL() << "event " << event << ", seed " << seed << ": " << error.what();
    }
    if (!before.drawActive && form->engine().state().drawActive) ++draws;
    checkInvariants(event);
    if (HasFatalFailure()) return;
  }
  answerer.stop();
  std::cout << "monkey: " << kEvents << " events, " << draws << " draws started, "
            << modalsAnswered << " modal windows answered, " << wordsFound << " words found, "
            << gamesEnded << " games ended, " << scoresRanked << " scores ranked, " << scoresSaved
            << " saved" << std::endl;
  EXPECT_GT(draws, 50) << "the events reached the game";
  EXPECT_GT(wordsFound, 100) << "the monkey plays";
  EXPECT_GT(gamesEnded, 0);
  EXPECT_GT(scoresRanked, 0);
  EXPECT_EQ(scoresSaved, scoresRanked) << "every score placed reaches the files";
}

}  // namespace
}  // namespace vorlane::test
