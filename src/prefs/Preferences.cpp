#include "prefs/Preferences.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "controls/BackgroundRules.h"
#include "data/DataFolder.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr int kPatternSlots = kLastPattern - kFirstPattern + 1;
// With fewer names than this beside the program (index 13 still empty), the patterns
// are looked for in the data folder.
constexpr int kEnoughPatterns = 11;
constexpr int kLineCount = 4;

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

bool isBitmapName(const std::string& name) {
  const std::string lower = lowerCase(name);
  return lower.size() > 4 && lower.ends_with(".bmp");
}

bool isOn(const Settings& settings, int record) { return settings.readSetting(record) == 1; }

}  // namespace

int findPatterns(const fs::path& folder, PatternNames& names) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (isBitmapName(name)) found.push_back(name);
  }
  std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
    return lowerCase(a) < lowerCase(b);
  });
  const int count = std::min(static_cast<int>(found.size()), kPatternSlots);
  for (int i = 0; i < count; ++i) names[static_cast<std::size_t>(kFirstPattern + i)] = found[i];
  return count;
}

PatternNames findPatternsAtStartup(const DataFolder& folder) {
  PatternNames names;
  if (findPatterns(folder.programFolder(), names) < kEnoughPatterns) {
    if (const auto dataFolder = folder.dataFolder()) findPatterns(*dataFolder, names);
  }
  return names;
}

std::optional<fs::path> patternFile(const DataFolder& folder, const PatternNames& names,
                                    int index) {
  if (index < kFirstPattern || index > kLastPattern) return std::nullopt;
  const std::string& own = names[static_cast<std::size_t>(index)];
  if (!own.empty()) {
    fs::path path = folder.dataFilePath(own);
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return path;
  }
  if (names[kFirstPattern].empty()) return std::nullopt;
  return folder.dataFilePath(names[kFirstPattern]);
}

bool largeTilesAtStartup(bool recorded, const ScreenFacts& screen) {
  if (screen.largeFonts) return true;
  if (screen.width < kSmallScreenWidth) return false;
  return recorded || screen.width == kSmallScreenWidth;
}

ChoiceVisibility choiceVisibility(int line, bool backgroundShown, const ScreenFacts& screen) {
  ChoiceVisibility shown;
  switch (line) {
    case kWindowLine:
      shown.largeTiles = screen.width > kSmallScreenWidth && !screen.largeFonts;
      shown.widestWindow = true;
      shown.panels = true;
      break;
    case kBackgroundLine:
      shown.backgroundBox = true;
      shown.thumbs = backgroundShown;
      shown.panels = backgroundShown;
      break;
    case kDefinitionLine:
      shown.panels = true;
      break;
    default:
      shown.noProperNouns = true;
      break;
  }
  return shown;
}

std::string informationText(int line, int screenBits) {
  if (line == kBackgroundLine) return "Motifs disponibles";
  return toWin1252("résolution ") + std::to_string(screenBits) + " bits";
}

std::optional<std::string> thumbnailCaption(int patternIndex, const PatternNames& names) {
  if (patternIndex >= 0 && patternIndex < kFirstPattern) return toWin1252("dégradé");
  if (patternIndex >= kFirstPattern && patternIndex <= kLastPattern)
    return names[static_cast<std::size_t>(patternIndex)];
  return std::nullopt;
}

std::string plainColourCaption() { return "motifs disponibles"; }

Colour swatchColour(const PreferenceChoices& choices, const ColourTable& colourTable) {
  if (choices.line == kBackgroundLine && choices.patternIndex < kPlainColour) return kSilver;
  return colourTable[static_cast<std::size_t>(choices.line)];
}

Colour swatchTextColour(Colour swatch) {
  const int red = static_cast<int>(swatch & 0xFF);
  const int green = static_cast<int>((swatch >> 8) & 0xFF);
  const int blue = static_cast<int>((swatch >> 16) & 0xFF);
  // Perceived lightness with the usual weights, in thousandths: mid-grey is the turn.
  const int lightness = 299 * red + 587 * green + 114 * blue;
  return lightness >= 128 * 1000 ? kBlack : kWhite;
}

PreferenceChoices readPreferences(const Settings& settings, const ScreenFacts& screen,
                                  bool alwaysCentred, bool noProperNouns) {
  PreferenceChoices choices;
  const int line = settings.readSetting(setting::kColourListLine);
  // A line outside the list (a damaged record, a negative one too) selects the first one.
  choices.line =
      static_cast<unsigned>(line) < static_cast<unsigned>(kLineCount) ? line : kWindowLine;
  choices.layout.largeTiles = largeTilesAtStartup(isOn(settings, setting::kLargeTiles), screen);
  choices.layout.widestWindow = isOn(settings, setting::kWidestWindow);
  choices.centred = alwaysCentred;
  choices.noProperNouns = noProperNouns;
  return choices;
}

void savePreferences(const Settings& settings, const PreferenceChoices& choices) {
  settings.writeSetting(setting::kPattern, choices.patternIndex);
  settings.writeSetting(setting::kColourListLine, choices.line);
  settings.writeSetting(setting::kBackgroundShown, choices.backgroundShown ? 1 : 0);
  settings.writeSetting(setting::kLargeTiles, choices.layout.largeTiles ? 1 : 0);
  settings.writeSetting(setting::kWidestWindow, choices.layout.widestWindow ? 1 : 0);
  settings.writeSetting(setting::kAlwaysCentred, choices.centred ? 1 : 0);
  settings.writeSetting(setting::kNoProperNouns, choices.noProperNouns ? 1 : 0);
}

void resetPreferences(PreferenceChoices& choices, ColourTable& colourTable) {
  colourTable[kWindowLine] = kTeal;
  choices.patternIndex = kDefaultPattern;
  choices.backgroundShown = false;
  colourTable[kDefinitionLine] = kWhite;
  choices.layout = {true, false};
  choices.centred = true;
  choices.noProperNouns = false;
  choices.line = kWindowLine;
}

int centredLeft(int screenWidth, int width) { return screenWidth / 2 - width / 2; }

}  // namespace vorlane
