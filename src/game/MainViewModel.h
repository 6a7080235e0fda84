#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/TileRow.h"
#include "data/Definitions.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "game/GameState.h"

namespace vorlane {

// The three pictures of a book button: closed (definition not seen), open (seen, more
// than one line), open with one line (seen, button disabled).
enum class BookPicture { liv, livouv, livouv2 };

// Which control holds the keyboard focus: the upper keyboard `keyb1`, the lower keyboard
// `keyb2` or the first input box `keybt1`.
enum class Focus { none, upperKeyboard, lowerKeyboard, firstInputBox };

enum class CursorShape { normal, hourglass };

// One of the 14 rows: input box `keybtk`, value panel `Panel(k+2)`, book button `Imagek`
// and definition box `Memok`.
struct RowView {
  TileRow input;                   // the word's letters as revealed or found
  Colour inputColour = kBlack;     // kRed: the word is found
  std::string valueCaption{"66"};  // the word's current value
  Colour panelColour = kWhite;     // the panel's font; kRed: found word or starting word
  bool panelBold = false;
  bool visible = false;  // value panel, book button and definition box shown
  BookPicture book = BookPicture::liv;
  int bookTag = 0;  // 1 once the definition has been seen in the draw
  bool bookEnabled = true;
  bool bookPressed = false;  // drawn 2 pixels right and down while pressed
  DefinitionBox definition;  // lines shown, tag, and the row's fullTexts/maskedTexts

  bool operator==(const RowView&) const = default;
};

// `Memo15`, the enlarged definition, spread over the rows below the row it belongs to.
// Its lines are those of entry 15 of the stores, in masked or plain form.
struct EnlargedView {
  DefinitionBox definition;
  int top = 136;    // window pixels
  int height = 20;  // line count × lineHeight + 2
  bool visible = false;

  bool operator==(const EnlargedView&) const = default;
};

struct KeyboardView {
  TileRow row;  // `Text` and `TileIndex`
  bool visible = false;

  bool operator==(const KeyboardView&) const = default;
};

struct MenuEntry {
  std::string caption;
  bool enabled = false;

  bool operator==(const MenuEntry&) const = default;
};

// Everything the main window shows that the game decides. The window renders it after
// each call on the engine (and whenever the engine asks for a repaint through the port).
// Texts are Windows-1252.
struct MainViewModel {
  std::array<RowView, kRowCount> rows;  // rows[k − 1] is row k
  EnlargedView memo15;
  KeyboardView keyb1;  // upper keyboard: draw letters not yet used, in draw order
  KeyboardView keyb2;  // lower keyboard: the word being composed
  int keyboardTileSize = 40;
  int rowTileSize = 20;  // TileSize of the input boxes, from the window's layout

  bool motVisible = true;      // `ImageMOT`
  bool motEyeVisible = true;   // `ImageOeil`
  bool finVisible = false;     // `ImageFIN`
  bool finEyeVisible = false;  // `ImageoeilFin`
  bool hintVisible = false;    // `ImageTETE`
  // Letter column 1..6 the hint button stands above: its left is keybt1's left +
  // (hintColumn − 1) × rowTileSize.
  int hintColumn = 1;
  bool modeBoxVisible = true;

  std::string clockCaption{"00:00"};  // `clock`, "mm:ss"
  bool clockVisible = false;
  std::string reserveCaption{"66"};  // `total`
  std::string scoreCaption{"0"};     // `bigTotal`
  std::string statusText;

  // The shortcut submenu "Raccourcis".
  MenuEntry definitionEntry{toWin1252("Définition"), false};
  MenuEntry enlargeEntry{toWin1252("Agrandir définition"), false};
  MenuEntry letterEntry{toWin1252("Première lettre"), false};

  std::vector<std::string> solutionList;  // `ComboBoxAna`: the words of the draw
  int windowHeight = kBaseHeight;         // what repositionMainWindow applies
  bool timerRunning = false;              // `Timer1`, 1000 ms
  Focus focus = Focus::none;
  CursorShape cursor = CursorShape::normal;
  std::string title{"Vorlane - Version 1.3"};

  bool operator==(const MainViewModel&) const = default;
};

}  // namespace vorlane
