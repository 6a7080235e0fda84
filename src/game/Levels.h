#pragma once

#include <string>

namespace vorlane {

// What `computeLevel` decides from the score of the running game.
struct LevelOutcome {
  int level = 1;          // 1..5 Senior, 1..2 Junior
  bool topLevel = false;  // Senior level 6, Junior level 3; kept until the end of the game
  int reducedValue = 36;  // 42 − 6 × level, 6 less at the top level
  bool message = false;   // the level-up message is due
  std::string points;     // its texts: "333" and "2" ... "1666" and "6"
  std::string shownLevel;

  bool operator==(const LevelOutcome&) const = default;
};

// The level the player is told, in the level-up message and the letter price: Senior
// 1..5 and 6 at the top level, Junior 1..2 and 3 at the top level.
int displayedLevel(int level, bool topLevel, bool juniorClass);

// The level for `score`, given the level and top-level flag before. The message is due
// when the level rose or the top level was reached, and never once the top level was set.
LevelOutcome levelForScore(int score, bool juniorClass, int previousLevel, bool previousTop);

}  // namespace vorlane
