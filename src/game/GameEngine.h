#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/Definitions.h"
#include "data/WordForms.h"
#include "data/WordLists.h"
#include "game/GamePort.h"
#include "game/GameState.h"
#include "game/MainViewModel.h"

namespace vorlane {

class DataFolder;
class Random;
struct MainWindowLayout;

// The rules of play of the main window: draws, word entry, the timer, scoring and levels,
// letter hints and definitions, the status texts. It owns the game state and the view
// model; the window calls the entry points below from its event handlers and then renders
// view(). Side effects outside the core go through the port. A file failure throws
// IoError out of the entry point; the window's event dispatch reports it.
class GameEngine {
 public:
  // Every argument must outlive the engine. `recent` is loaded and saved by the window.
  GameEngine(const DataFolder& folder, const WordLists& words, RecentDraws& recent, Random& random,
             GamePort& port);
  GameEngine(const GameEngine&) = delete;
  GameEngine& operator=(const GameEngine&) = delete;

  const GameState& state() const { return state_; }
  const MainViewModel& view() const { return view_; }
  // The draw's `anagramSet` as the word data filled it.
  const AnagramSet& anagramSet() const { return anagramSet_; }

  // How each draw reseeds the generator; from the clock unless set (tests seed it with
  // known numbers).
  void setDrawSeeder(std::function<void(Random&)> seeder);

  // --- Set by the window at start-up and on the mode and class clicks.
  void setTrainingMode(bool on);
  void setJuniorClass(bool on);
  void setAlwaysCentred(bool on);
  void setNoProperNouns(bool on);
  void setSoundAvailable(bool on);
  void setDataFolderWritable(bool on);
  // After every relayout: rowHeight, lineHeight and the rows' tile size, and the rows'
  // definition-box tops, which place `Memo15`. Seen definitions re-flow for the new width.
  void setLayout(const MainWindowLayout& layout);

  // --- Draw flow.
  // Enter, MOT !, FIN ! and their eyes.
  void Button1Click();
  void startDraw();
  // FIN !, also when the reserve runs out with a gain.
  void ImageFINClick();
  void endDraw();
  // `quiet` when the player quits: no sound, no pause, no plain end-of-game message.
  void endGame(bool quiet);

  // --- Word entry. Coordinates are the keyboard's pixels; `keyboardHeight` its height.
  void keyb1MouseMove(int x, int y, int keyboardHeight, bool prefsVisible);
  void keyb1MouseUp(int x, int y, int keyboardHeight);
  void keyb2MouseMove(int x, int y, int keyboardHeight);
  void keyb2MouseUp(int x, int y, int keyboardHeight);
  // A typed character: 8 is backspace; Windows-1252.
  void keyb1KeyPress(char key);
  void keyb2KeyPress(char key);
  void checkWord();
  // A press on a definition box or the status bar: focus back to the letters.
  void Memo1MouseDown();

  // --- Timer and scoring.
  // The one-second tick of `Timer1`; the window runs its timer while view().timerRunning.
  void Timer1Timer();
  void bankGain();
  // Level from the score, with the level-up message; returns `level`.
  int computeLevel();

  // --- Hints and definitions. Rows k are 1..14.
  void ImageTETEClick();
  void lettreClick();  // Ctrl+L
  void askLetter();
  void revealLetter();
  void askDefinition(int row);
  // Book button k pressed and released, and a release over definition box k.
  void SpeedButtonMouseDown(int row);
  void SpeedButtonMouseUp(int row);
  void MemoMouseUp(int row);
  void pressBook(int row);
  void releaseBook(int row);
  void def1Click();        // Ctrl+D
  void montredef1Click();  // Ctrl+W: toggle the enlarged definition
  // Every key reaches the window first: a key with Alt as the only modifier, or any key
  // while `Memo15` shows, toggles the enlarged definition. Returns whether it did.
  bool FormKeyDown(bool altOnly);
  // A click on the window closes the enlarged definition (the window hides the
  // preferences itself).
  void FormClick();

  // --- Status bar.
  // A non-empty text holds the status bar against help texts; an empty one releases it.
  void showStatus(const std::string& text);
  // Mouse-over help by the name of what the pointer is over: "Form1", "keyb1", "keyb2",
  // "image1" (every book button), "ImageTETE", "compet", "entrain", "junior", "senior".
  void showHelpText(std::string_view name);

 private:
  class PortLineMeasure : public LineMeasure {
   public:
    explicit PortLineMeasure(GamePort& port) : port_(port) {}
    int lineCount(int row, const std::string& text) const override;

   private:
    GamePort& port_;
  };

  // A row outside 1..14 is a fault of the caller, never a row read out of bounds.
  RowView& row(int k) { return view_.rows.at(static_cast<std::size_t>(k - 1)); }
  const RowView& row(int k) const { return view_.rows.at(static_cast<std::size_t>(k - 1)); }
  DefinitionBox& box(int k);
  bool isAnagramDraw() const { return state_.drawKind == kAnagramDraw; }

  // GameEngine.cpp
  void playSound(std::string_view name);
  void setCursor(CursorShape cursor);
  void updateTitle();
  std::string formHelpText() const;
  // The window's own help text follows the draw: a new draw, FIN ! offered, a found word
  // and the end of a draw change what it says.
  void refreshFormHelp();

  // DrawFlow.cpp
  enum class Candidate { accepted, rejected, none };
  void prepareDraw();
  void resetRows();
  bool chooseDraw();
  Candidate trySingleDraw(bool checkRecent);
  Candidate tryAnagramDraw(bool checkRecent);
  void abandonDraw();
  // Back to the state before MOT !: MOT ! offered, no draw running. The keyboards are
  // still hidden: a draw shows them once it is chosen.
  void cancelDraw();
  void presentDraw();
  void layOutRows();
  void showStartingWord();
  void switchDrawKind();
  void wordFound();

  // WordEntry.cpp
  void moveLetter(TileRow& from, TileRow& to, int position, bool reorder);
  bool typeKey(TileRow& from, TileRow& to, char key, bool reorder);
  void giveLettersBack();
  void checkIfComplete();
  void markFound(int row);
  // The status text and sound of a six-letter word that matches no row.
  void refuseWord(const std::string& word);

  // Scoring.cpp
  int rowValue(int row) const;
  void setRowValue(int row, int value);
  void showReserve();
  void showScore();
  void reserveRanOut();
  void gameRanOut();

  // Hints.cpp
  int askLetterCost(int price);
  void payLetter(int price, int fullPrice);
  void fetchDefinition(int row, bool longForm);
  int measuredLines(int row, const DefinitionBox& definitionBox);
  int measuredTag(int row, const DefinitionBox& definitionBox);
  bool singleLine(const DefinitionBox& definitionBox) const;
  void showRowFromStore(int row, bool plain);
  void showEnlarged(int row);
  void closeEnlarged();

  const WordLists& words_;
  RecentDraws& recent_;
  Random& random_;
  GamePort& port_;
  PortLineMeasure measure_;
  Definitions definitions_;
  WordForms forms_;  // tells a real word that is not in the draw from a made-up one
  std::function<void(Random&)> seeder_;

  GameState state_;
  MainViewModel view_;
  AnagramSet anagramSet_{};
  std::array<int, kRowCount> boxTops_{};  // definition-box tops, window pixels
  int drawSerial_ = 0;                    // counts draws, to spot a draw ended meanwhile
  // The letter price is being asked: ticks keep coming while the message is open.
  bool letterCostOpen_ = false;
  // The reserve ran out with nothing won while the price was asked: the game ends once the
  // message is closed, so that its own message is not lost.
  bool gameEndDue_ = false;
  // The name whose help text the status bar shows ("Form1", "keyb1", ...); empty while it
  // shows a message or nothing.
  std::string helpShown_;
};

}  // namespace vorlane
