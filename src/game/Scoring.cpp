#include <algorithm>
#include <cstdlib>

#include "game/GameEngine.h"
#include "game/Levels.h"

// The one-second timer, word values, the banking of a draw's gain and the levels.
namespace vorlane {
namespace {

// Reserve below which a Normal draw gives its next letter free, and at which FIN !'s eye
// shows and the warning beeps start.
constexpr int kFreeLetterReserve = 60;
constexpr int kWarningReserve = 7;

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

int GameEngine::rowValue(int k) const {
  return static_cast<int>(std::strtol(row(k).valueCaption.c_str(), nullptr, 10));
}

void GameEngine::setRowValue(int k, int value) { row(k).valueCaption = std::to_string(value); }

void GameEngine::showReserve() { view_.reserveCaption = std::to_string(state_.reserve); }

void GameEngine::showScore() { view_.scoreCaption = std::to_string(state_.score); }

void GameEngine::Timer1Timer() {
  if (!view_.timerRunning) return;
  ++state_.elapsed;
  state_.reserve = std::max(state_.reserve - 1, state_.trainingMode ? 1 : 0);
  if (state_.reserve == kWarningReserve) view_.finEyeVisible = true;
  if (view_.hintVisible && state_.reserve < kFreeLetterReserve && !state_.trainingMode) {
    askLetter();
  }
  if (state_.reserve < kWarningReserve && (!state_.trainingMode || state_.reserve > 1)) {
    playSound("bip.wav");
  }
  if (state_.reserve == 0) view_.timerRunning = false;
  view_.clockCaption = twoDigits(state_.elapsed / 60) + ":" + twoDigits(state_.elapsed % 60);
  showReserve();
  if (state_.reserve == 0) reserveRanOut();
}

void GameEngine::reserveRanOut() {
  if (state_.drawGain != 0) {
    ImageFINClick();
    return;
  }
  playSound("dong.wav");
  port_.repaint();
  port_.waitMilliseconds(1000);
  if (letterCostOpen_) {
    gameEndDue_ = true;
    return;
  }
  gameRanOut();
}

// Nothing won: the game ends, unless the score window is open; the draw then stays open
// with the timer stopped, and words or FIN !, offered at once, still finish it.
void GameEngine::gameRanOut() {
  if (!port_.scoreWindowVisible()) {
    endGame(false);
    return;
  }
  view_.finVisible = true;
  view_.finEyeVisible = true;
  state_.enterAction = kEndDrawAction;
  refreshFormHelp();
}

void GameEngine::bankGain() {
  state_.reserve += state_.drawGain;
  showReserve();
  playSound("btn.wav");
  port_.repaint();
  port_.waitMilliseconds(30);
  state_.score += state_.drawGain;
  showScore();
  port_.repaint();
}

int GameEngine::computeLevel() {
  const LevelOutcome outcome =
      levelForScore(state_.score, state_.juniorClass, state_.level, state_.topLevel);
  state_.level = outcome.level;
  state_.topLevel = outcome.topLevel;
  state_.reducedValue = outcome.reducedValue;
  if (outcome.message) {
    playSound("dong.wav");
    // The message covers the window: behind it the rows of the new draw are already reset.
    port_.repaint();
    port_.showLevelUp(outcome.points, outcome.shownLevel);
  }
  return state_.level;
}

}  // namespace vorlane
