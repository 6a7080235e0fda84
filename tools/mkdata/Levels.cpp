#include "Levels.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace vorlane::mkdata {

namespace {

// The reader's judgement first: a word every adult knows comes before a recognised one,
// whatever the counts say ("airain", much quoted, after "mimosa"). A word the review has
// not seen yet (a new edition of a source) stands with the recognised ones.
int tierOf(const WordStanding& w) {
  return w.familiarity == Familiarity::NotReviewed ? static_cast<int>(Familiarity::Recognised)
                                                   : static_cast<int>(w.familiarity);
}

// Within a tier, the signal that places a word: 0 subtitles, 1 thesaurus, 2 quotations;
// and its value, smaller for a commoner word.
std::tuple<int, int, int> placing(const WordStanding& w) {
  if (w.subtitleRank >= 0) return {tierOf(w), 0, w.subtitleRank};
  if (w.thesaurusMentions > 0) return {tierOf(w), 1, -w.thesaurusMentions};
  return {tierOf(w), 2, -w.quotationCount};
}

// Nobody can be expected to find a word judged unknown today or unfit for the game.
bool findable(const WordStanding& w) {
  return w.familiarity != Familiarity::Unknown && w.familiarity != Familiarity::Unfit;
}

}  // namespace

std::vector<int> commonnessPositions(const std::vector<WordStanding>& words) {
  std::vector<std::size_t> known;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const WordStanding& w = words[i];
    // The reader's judgement is a signal of its own: "troène" is known, though no count says so.
    bool signal = w.subtitleRank >= 0 || w.thesaurusMentions > 0 ||
                  w.quotationCount >= kMinQuotations || w.familiarity != Familiarity::NotReviewed;
    if (w.common && signal && findable(w)) known.push_back(i);
  }
  std::stable_sort(known.begin(), known.end(), [&](std::size_t a, std::size_t b) {
    return placing(words[a]) < placing(words[b]);
  });
  std::vector<int> positions(words.size(), -1);
  for (std::size_t p = 0; p < known.size(); ++p) {
    bool tie = p > 0 && placing(words[known[p]]) == placing(words[known[p - 1]]);
    positions[known[p]] = tie ? positions[known[p - 1]] : static_cast<int>(p);
  }
  return positions;
}

std::uint8_t levelAt(int position, LevelBands bands) {
  if (position < 0) return 0;
  if (position < bands.first) return 1;
  int level = 2 + (position - bands.first) / std::max(bands.step, 1);
  return static_cast<std::uint8_t>(std::min<int>(level, kTopLevel));
}

DrawCounts countDraws(const std::vector<WordStanding>& words,
                      const std::vector<std::uint8_t>& levels) {
  DrawCounts counts;
  std::vector<std::set<int>> classesUpTo(kTopLevel + 1);
  for (std::size_t i = 0; i < words.size(); ++i) {
    int level = levels[i];
    if (level == 0) continue;
    if (words[i].anagramClass >= 0) {
      for (int L = level; L <= kTopLevel; ++L) classesUpTo[L].insert(words[i].anagramClass);
      continue;
    }
    for (int L = level; L <= kTopLevel; ++L) ++counts.singles[L];
    counts.seniorTop += level >= 3 ? 1 : 0;
    counts.juniorTop += level == 2 ? 1 : 0;
  }
  for (int L = 1; L <= kTopLevel; ++L) counts.classes[L] = static_cast<int>(classesUpTo[L].size());
  return counts;
}

bool enoughDraws(const DrawCounts& counts) {
  for (int L = 1; L <= kTopLevel; ++L) {
    if (counts.singles[L] < kMinSingleDraws || counts.classes[L] < kMinAnagramClasses) return false;
  }
  return counts.seniorTop >= kMinSingleDraws && counts.juniorTop >= kMinSingleDraws;
}

std::vector<std::uint8_t> chooseLevels(const std::vector<WordStanding>& words, LevelBands& bands) {
  std::vector<int> positions = commonnessPositions(words);
  int known = static_cast<int>(
      std::count_if(positions.begin(), positions.end(), [](int p) { return p >= 0; }));
  constexpr int kWiden = 100;
  while (true) {
    std::vector<std::uint8_t> levels(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) levels[i] = levelAt(positions[i], bands);
    DrawCounts counts = countDraws(words, levels);
    if (enoughDraws(counts) || bands.first + bands.step >= known) return levels;
    if (counts.singles[1] < kMinSingleDraws || counts.classes[1] < kMinAnagramClasses) {
      bands.first += kWiden;
    } else {
      bands.step += kWiden;
    }
  }
}

}  // namespace vorlane::mkdata
