#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Random.h"
#include "data/WordFileWriter.h"
#include "data/WordLists.h"
#include "game/GameEngine.h"
#include "game/GamePort.h"
#include "support/TempFolder.h"

namespace vorlane::test {

using Words = std::vector<std::string>;

// One word of a game data set: UTF-8 spelling, "Azlana.666" level, anagram class (−1:
// none) and an optional definition, stored as a common word's scrambled record.
struct GameWord {
  std::string spelling;
  int level = 1;
  int anagramClass = -1;
  std::string definition;
};

// Records what the engine asks of the window. A definition line holds `lineWidth`
// characters (40 unless a test changes the window's width). The window is painted at
// every repaint the engine asks for and, as the real window is, at the end of every event
// (`eventDone`).
// `whileMessageOpen` runs inside every message, as the nested event loop of a modal
// window does (timer ticks); a message asked meanwhile shows nothing and returns the
// previous result.
class FakeGamePort : public GamePort {
 public:
  std::vector<std::string> sounds;
  std::vector<std::string> messages;  // "cost 132 2", "level 333 2", "end dans les six 66"
  std::vector<int> waits;
  // Pauses ("wait 30") and messages shown while the window still shows an older view.
  std::vector<std::string> staleWindows;
  std::vector<CursorShape> cursors;
  std::vector<std::string> dataErrors;
  std::vector<std::filesystem::path> ioErrors;  // files of the reported failures
  int letterCostAnswer = kMessageOk;
  int rank = 0;  // what insertScore and rankOf answer
  std::vector<int> insertedScores;
  int scoresShown = 0;
  bool scoresVisible = false;
  int relayouts = 0;
  int repositions = 0;
  int lineWidth = 40;
  std::function<void()> whileMessageOpen;
  std::function<void()> onRepaint;  // runs at every repaint the engine asks for
  std::function<MainViewModel()> viewNow;  // the engine's view

  void eventDone() { painted_ = viewNow(); }

  int count(const std::string& sound) const;

  void playSound(std::string_view fileName) override { sounds.emplace_back(fileName); }
  // A pause blocks painting, and a message covers the window: what the window shows then
  // must be the view, or the player looks at a stale window.
  void waitMilliseconds(int milliseconds) override {
    waits.push_back(milliseconds);
    expectPainted("wait " + std::to_string(milliseconds));
  }
  void repaint() override {
    painted_ = viewNow();
    if (onRepaint) onRepaint();
  }
  void setCursor(CursorShape cursor) override { cursors.push_back(cursor); }
  int definitionLineCount(int, const std::string& text) override;
  int showEndOfGame(std::string_view selector, int score) override;
  int showLevelUp(const std::string& points, const std::string& level) override;
  int showLetterCost(const std::string& price, int level) override;
  int insertScore(int score) override;
  int rankOf(int) override { return rank; }
  void showScoresModal() override { ++scoresShown; }
  bool scoreWindowVisible() override { return scoresVisible; }
  void relayoutMainWindow() override { ++relayouts; }
  void repositionMainWindow() override { ++repositions; }
  void reportDataError(const std::string& text) override { dataErrors.push_back(text); }
  void reportIoError(const IoError& error) override { ioErrors.push_back(error.file()); }

 private:
  int message(const std::string& text, int answer);
  void expectPainted(const std::string& what) {
    if (painted_ != viewNow()) staleWindows.push_back(what);
  }
  MainViewModel painted_;
  bool open_ = false;
  int last_ = kMessageOk;
};

// A program folder with a game data set, and an engine on it with sound on. Each draw
// reseeds the generator with the next number from `seed`.
class GameTest : public ::testing::Test {
 protected:
  // In every game: no pause and no message in front of a stale window.
  void TearDown() override { EXPECT_EQ(port_.staleWindows, std::vector<std::string>{}); }
  void load(const std::vector<GameWord>& words);
  // Types a word on the upper keyboard, letter by letter.
  void type(const std::string& word);
  void ticks(int n);
  // Finds every word still to find in the running draw.
  void findAll();
  // The words of rows 1..rowCount.
  std::vector<std::string> rows() const;
  // Overwrites bytes of a data file at `offset`, as damage would.
  void damage(std::string_view file, std::size_t offset, const std::string& bytes);
  // The record number of a spelling (UTF-8) in the word files.
  std::size_t recordOf(const std::string& spelling) const;

  // The engine, between two events: the window shows the view the last event left.
  GameEngine& engine() {
    port_.eventDone();
    return *engine_;
  }
  const GameState& state() const { return engine_->state(); }
  const MainViewModel& view() const { return engine_->view(); }
  const RowView& row(int k) const { return view().rows[static_cast<std::size_t>(k - 1)]; }

  TempFolder folder_;
  std::vector<DataSetWord> ordered_;
  std::unique_ptr<DataFolder> data_;
  std::unique_ptr<WordLists> words_;
  std::vector<std::string> warnings_;  // the word data's warning boxes
  RecentDraws recent_;
  Random random_{1};
  std::uint32_t seed = 1;
  FakeGamePort port_;
  std::unique_ptr<GameEngine> engine_;
};

// A first word, five anagrams of ALIENS at levels 1, 0, 1, 3, 2 (with definitions) and single words
// sorting after them.
std::vector<GameWord> aliensSet();
// The seed whose anagram draw on aliensSet() starts on ALIENS.
inline constexpr std::uint32_t kAliensSeed = 5;

}  // namespace vorlane::test
