#pragma once

#include "game/GamePort.h"

namespace vorlane {

class Sounds;
class TForm1;

// The engine's way out of the core, carried out by the main window and the windows it
// knows: sounds, pauses, repaints, the cursor, line measuring, messages and scores.
class TForm1Port : public GamePort {
 public:
  TForm1Port(TForm1& form, Sounds& sounds) : form_(form), sounds_(sounds) {}

  void playSound(std::string_view fileName) override;
  void waitMilliseconds(int milliseconds) override;
  void repaint() override;
  void setCursor(CursorShape cursor) override;
  int definitionLineCount(int row, const std::string& text) override;

  int showEndOfGame(std::string_view selector, int score) override;
  int showLevelUp(const std::string& points, const std::string& level) override;
  int showLetterCost(const std::string& price, int level) override;

  int insertScore(int score) override;
  int rankOf(int points) override;
  void showScoresModal() override;
  bool scoreWindowVisible() override;

  void relayoutMainWindow() override;
  void repositionMainWindow() override;
  void reportDataError(const std::string& text) override;
  void reportIoError(const IoError& error) override;

 private:
  // `messageResult` of the message window; None before it exists.
  int messageResult() const;

  TForm1& form_;
  Sounds& sounds_;
};

}  // namespace vorlane
