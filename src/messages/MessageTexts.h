#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// What the message window shows for one operation: its three centred lines
// (Windows-1252; an empty line is an empty text), whether "Annuler" shows and whether the
// two welcome check boxes show.
struct MessageLines {
  std::array<std::string, 3> lines;
  bool cancelShown = false;
  bool checkBoxesShown = false;
  bool operator==(const MessageLines&) const = default;
};

// Selectors of `showEndOfGame`.
inline constexpr std::string_view kRankedSelector = "dans les six";
inline constexpr std::string_view kRankedTrainingSelector = "dans les six training";

// `showEndOfGame`: "dans les six", "dans les six training" or an empty selector; any other
// selector shows nothing. Only the plain message says "point" for a score of 0 or 1.
std::optional<MessageLines> endOfGameMessage(std::string_view selector, int score);
// `showLetterCost`: the current level and the price as the caller wrote it.
MessageLines letterCostMessage(int level, std::string_view cost);
// `showLevelUp`: the points passed and the new displayed level, as texts.
MessageLines levelUpMessage(std::string_view points, std::string_view newLevel);
// `askQuit`.
MessageLines quitMessage();
// `showWelcome`.
MessageLines welcomeMessage();

}  // namespace vorlane
