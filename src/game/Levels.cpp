#include "game/Levels.h"

#include <array>

namespace vorlane {
namespace {

int plainLevel(int score, bool juniorClass) {
  if (juniorClass) return score > 666 ? 2 : 1;
  if (score > 1333) return 5;
  if (score >= 1000) return 4;
  if (score > 666) return 3;
  if (score > 333) return 2;
  return 1;
}

// The points passed for a displayed level: 2..6 Senior, 2..3 Junior.
std::string pointsPassed(bool juniorClass, int shownLevel) {
  if (juniorClass) return shownLevel == 3 ? "1666" : "666";
  static const std::array<const char*, 5> senior = {"333", "666", "999", "1333", "1666"};
  return senior[static_cast<std::size_t>(shownLevel - 2)];
}

}  // namespace

int displayedLevel(int level, bool topLevel, bool juniorClass) {
  if (!topLevel) return level;
  return juniorClass ? 3 : 6;
}

LevelOutcome levelForScore(int score, bool juniorClass, int previousLevel, bool previousTop) {
  LevelOutcome out;
  out.level = plainLevel(score, juniorClass);
  out.topLevel = previousTop || score > 1666;
  out.reducedValue = 42 - 6 * out.level - (out.topLevel ? 6 : 0);
  out.message = !previousTop && (out.level > previousLevel || out.topLevel);
  if (out.message) {
    const int shown = displayedLevel(out.level, out.topLevel, juniorClass);
    out.points = pointsPassed(juniorClass, shown);
    out.shownLevel = std::to_string(shown);
  }
  return out;
}

}  // namespace vorlane
