#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/MainWindowLayout.h"

namespace vorlane {

// Draw kinds and Enter actions: the short literal strings of the game flow.
inline constexpr std::string_view kAnagramDraw = "Anagramme";
inline constexpr std::string_view kSingleWordDraw = "Six lettres";
inline constexpr std::string_view kStartDrawAction = "Rerazuvu";  // Enter starts a draw
inline constexpr std::string_view kNoAction = "panel1";           // FIN ! not offered yet
inline constexpr std::string_view kEndDrawAction = "termbtn";     // Enter ends the draw

inline constexpr int kWordLength = 6;
// Reserve of a new game, in seconds, and the value of every word at a draw's start.
inline constexpr int kStartReserve = 66;
inline constexpr int kStartValue = 66;
// Rows numbered 1..14; 15 is the enlarged definition `Memo15`.
inline constexpr int kEnlargedRow = 15;

// The game's state, held for the whole run. Texts are Windows-1252. Rows are numbered
// from 1: rowWords[k − 1] is row k's word. The per-row definition stores `fullTexts` and
// `maskedTexts` (lines each preceded by "#") live in the rows' `DefinitionBox` of the view
// model, one place for each text.
struct GameState {
  std::string drawWord;     // letters of the upper keyboard; "xxxxxx" while a draw is chosen
  std::string drawLetters;  // `drawWord` as laid out: the order letters are given back in
  std::string enteredWord;  // the last six-letter word composed
  std::string drawKind{kAnagramDraw};
  std::string hintCaption;  // caption of the letter menu entry
  bool drawActive = false;
  int level = 1;  // 1..5; the displayed level is 6 (Senior) or 3 (Junior) at topLevel
  bool topLevel = false;
  int elapsed = 0;              // seconds spent in the draw
  int reserve = kStartReserve;  // seconds
  int score = 0;
  int drawGain = 0;  // won in the draw, not yet banked
  int rowCount = 0;  // 0..14
  int foundCount = 0;
  std::array<std::string, kRowCount> rowWords;  // plain forms, empty for unused rows
  int lineHeight = 19;                          // one definition line, pixels
  int rowHeight = 20;                           // one row, pixels
  int baseHeight = kBaseHeight;
  int defCursor = 0;      // row of the last Ctrl+D
  int lastShownRow = 0;   // row whose definition was shown last (Ctrl+W starts there)
  int enlargedRow = 0;    // row whose definition `Memo15` shows
  int reducedValue = 36;  // value a helped word falls to
  std::string enterAction{kStartDrawAction};
  bool trainingMode = false;  // "Entraînement"
  bool juniorClass = false;
  bool alwaysCentred = false;  // "Toujours centrée"
  bool noProperNouns = false;  // "Sans noms propres"
  bool soundAvailable = false;
  bool statusLocked = false;  // a message holds the status bar
  bool dataFolderWritable = false;

  bool operator==(const GameState&) const = default;
};

}  // namespace vorlane
