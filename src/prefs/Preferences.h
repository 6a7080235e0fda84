#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "data/Settings.h"
#include "game/MainWindowLayout.h"

namespace vorlane {

class DataFolder;

// The lines of the preferences' colour list.
enum ColourLine { kWindowLine = 0, kBackgroundLine = 1, kDefinitionLine = 2, kDictionaryLine = 3 };
inline constexpr int kDefaultPattern = 5;

// File names of the bitmap patterns, for `patternIndex` 3..17 (slots 0..2 stay empty).
using PatternNames = std::array<std::string, 18>;

// What the screen tells the preferences: width in pixels, colour depth in bits per pixel
// (`screenBits`), and whether the system uses large fonts (`largeFonts`).
struct ScreenFacts {
  int width = 0;
  int bits = 0;
  bool largeFonts = false;
};

// `findPatterns`: the "*.bmp" entries of `folder` (names matched without regard to case)
// stored from index 3 up, at most 15; later slots keep what they held. The folder listing
// of this system has no order of its own, so the names are sorted without regard to case:
// a pattern keeps its thumbnail, and the saved choice its pattern, on every copy of the
// game. Returns how many names were found.
int findPatterns(const std::filesystem::path& folder, PatternNames& names);

// The patterns beside the program; when fewer than 11 lie there, those of the data folder.
PatternNames findPatternsAtStartup(const DataFolder& folder);

// `loadPattern`'s file for index 3..17: the pattern's own file when it exists, else the
// first pattern's; nothing for other indexes or when no pattern is known.
std::optional<std::filesystem::path> patternFile(const DataFolder& folder,
                                                 const PatternNames& names, int index);

// "Grande police" at start-up: checked on a screen exactly 640 pixels wide or with large
// fonts, unchecked on a narrower screen, else as record 17 says.
bool largeTilesAtStartup(bool recorded, const ScreenFacts& screen);

// Which controls show for the selected line (`refreshChoice`, `FormShow`); the background
// box "Masquer le bureau" is checked while `backgroundShown`.
struct ChoiceVisibility {
  bool largeTiles = false;    // "Grande police"
  bool widestWindow = false;  // "Largeur maximum" and "Toujours centrée"
  bool noProperNouns = false;
  bool backgroundBox = false;  // "Masquer le bureau"
  bool thumbs = false;
  bool panels = false;  // `Panel1` and `PanelEdit`
  bool operator==(const ChoiceVisibility&) const = default;
};
ChoiceVisibility choiceVisibility(int line, bool backgroundShown, const ScreenFacts& screen);

// The information line `Panel1` for the selected line: "Motifs disponibles" for the
// background, else "résolution " + bits + " bits". Windows-1252.
std::string informationText(int line, int screenBits);
// What the thumbnails write on `Panel1` for the chosen background: the pattern's name,
// "dégradé" for a gradient; nothing for the plain colour.
std::optional<std::string> thumbnailCaption(int patternIndex, const PatternNames& names);
// After a plain background colour: "motifs disponibles", lower case.
std::string plainColourCaption();

// The player's preferences: what the window shows and what it writes when it closes. The
// colours are the main window's `colourTable`, kept apart.
struct PreferenceChoices {
  int patternIndex = 0;
  int line = kWindowLine;
  bool backgroundShown = false;  // the background window shows
  LayoutPreferences layout;      // "Grande police", "Largeur maximum"
  bool centred = false;          // "Toujours centrée"
  bool noProperNouns = false;    // "Sans noms propres"
  bool operator==(const PreferenceChoices&) const = default;
};

// The colour of the sample `PanelEdit` for the selected line; the window's grey on the
// background line while a pattern or a gradient is in use.
Colour swatchColour(const PreferenceChoices& choices, const ColourTable& colourTable);
// The caption "Définir une couleur" written on a swatch: black on a light colour, white on
// a dark one (navy, black, a deep red), so that it stays readable on any colour chosen.
Colour swatchTextColour(Colour swatch);

// What the window's creation reads: the line (record 4), the size boxes (records 17 and
// 18), the two flags the main window took from records 19 and 20. The colours, the
// background and its visibility come from the windows that own them.
PreferenceChoices readPreferences(const Settings& settings, const ScreenFacts& screen,
                                  bool alwaysCentred, bool noProperNouns);

// `savePreferences`: records 1, 4, 5, 17, 18, 19 and 20.
void savePreferences(const Settings& settings, const PreferenceChoices& choices);

// `resetPreferences` ("Init"): teal window, pattern 5 with the background hidden, white
// definitions, "Grande police" and "Toujours centrée" checked, the other two unchecked,
// the window line selected. The background colour stays as it was.
void resetPreferences(PreferenceChoices& choices, ColourTable& colourTable);

// Left of a window of `width` centred on the screen.
int centredLeft(int screenWidth, int width);

}  // namespace vorlane
