#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/TForm1.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "platform/Sound.h"
#include "scores/TFormscore.h"
#include "support/TempFolder.h"
#include "support/XdgSandbox.h"

namespace vorlane::test {

// Counts the sounds the window plays; one output device.
class RecordingSoundOutput : public SoundOutput {
 public:
  int outputDeviceCount() const override { return 1; }
  void playFile(const std::filesystem::path& waveFile) override {
    played.push_back(waveFile.filename().string());
  }
  std::vector<std::string> played;
};

// A program folder holding a small data set (the ALIENS anagram class of five words, with
// definitions, and three single words), and the game's windows on it, created in the
// start-up order and shown, in a sandbox of the desktop's folders. Each draw reseeds the
// generator with the next number.
class TForm1Test : public ::testing::Test {
 protected:
  TForm1Test();
  ~TForm1Test() override;

  // Builds the windows; call once, after preparing the settings if a test needs to.
  void start(bool writeProtected = false);
  // Destroys the windows, the main window last, as the end of the program does.
  void stop();
  // Runs `look` once the next message is open, then presses "OK" or "annuler".
  void answerNextMessage(const char* button, std::function<void()> look = {});
  // Enter on the window, as the player presses it.
  void pressEnter();
  // Types a word on the upper keyboard.
  void typeWord(const std::string& word);
  // The row (1..rowCount) whose word is `word`, or 0.
  int rowOf(const std::string& word) const;
  std::string statusText() const;

  TempFolder temp;
  // The desktop's menus and browser settings, kept away from the machine's.
  XdgSandbox xdg;
  std::filesystem::path noNetwork;
  // The first command-line parameter the program is started with.
  std::string handOffWord;
  RecordingSoundOutput sound;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TFormscore> scores;
  std::unique_ptr<TFormMessage> message;
  std::unique_ptr<Tdlg> about;
  std::uint32_t seed = 1;
  // The data folder of the next start takes no new file.
  bool takesNoNewFile = false;
};

}  // namespace vorlane::test
