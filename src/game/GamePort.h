#pragma once

#include <string>
#include <string_view>

#include "game/MainViewModel.h"

namespace vorlane {

class IoError;

// `messageResult`: how the last message was closed.
inline constexpr int kMessageOk = 1;
inline constexpr int kMessageCancel = 2;

// What the game engine needs from the world outside the core. The main window implements
// it; tests fake it. Texts are Windows-1252.
class GamePort {
 public:
  virtual ~GamePort() = default;

  // Asynchronous playback of a wave file of the data folder ("gagne.wav"). The engine
  // calls it only while `soundAvailable`; a missing file stays silent.
  virtual void playSound(std::string_view fileName) = 0;
  // `waitMilliseconds`: blocks the thread, painting and input included.
  virtual void waitMilliseconds(int milliseconds) = 0;
  // Render the view model at once.
  virtual void repaint() = 0;
  virtual void setCursor(CursorShape cursor) = 0;
  // How many lines `text` takes in row k's definition box (k = 15: `Memo15`), with the
  // box's current width and font.
  virtual int definitionLineCount(int row, const std::string& text) = 0;

  // The message window (modal). Each returns `messageResult`; a message asked while one
  // is open shows nothing and returns the previous result. Ticks of the timer keep
  // arriving while a message is open.
  // `selector`: "dans les six", "dans les six training" or "".
  virtual int showEndOfGame(std::string_view selector, int score) = 0;
  virtual int showLevelUp(const std::string& points, const std::string& level) = 0;
  virtual int showLetterCost(const std::string& price, int level) = 0;

  // The score window of the current class. insertScore places the final score and
  // prepares the name entry: row 1..6, or 0 when it does not rank. rankOf changes nothing.
  virtual int insertScore(int score) = 0;
  virtual int rankOf(int points) = 0;
  // Shows the score window modally with "Effacer" hidden, for the player's name.
  virtual void showScoresModal() = 0;
  virtual bool scoreWindowVisible() = 0;

  // `relayoutMainWindow` with the preferences "Grande police" and "Largeur maximum": the
  // window sets its geometry, then gives the engine the new layout (GameEngine::setLayout).
  virtual void relayoutMainWindow() = 0;
  // `repositionMainWindow`: size the window to the view model's windowHeight and place it.
  virtual void repositionMainWindow() = 0;

  // The word data holds nothing the game can draw: a French text for an error box.
  virtual void reportDataError(const std::string& text) = 0;
  // A file failure after which the game goes on (a damaged definition): the window's
  // input/output error report.
  virtual void reportIoError(const IoError& error) = 0;
};

}  // namespace vorlane
