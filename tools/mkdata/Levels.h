#pragma once

#include <cstdint>
#include <vector>

namespace vorlane::mkdata {

// How well a French adult knows a word today, as a reader judged it.
enum class Familiarity {
  NotReviewed = 0,
  Everyday = 1,    // every adult uses it; a child knows it
  Known = 2,       // every adult understands it at once
  Recognised = 3,  // most adults have met it; few use it
  Rare = 4,        // specialised, literary, regional: an educated adult may not know it
  Unknown = 5,     // archaic or obscure: nobody can be expected to find it
  Unfit = 6,       // its sense today is not for a family game
};

// What the level choice knows of one word of the vocabulary (one plain form).
struct WordStanding {
  int subtitleRank = -1;   // −1: not in the subtitle list
  int quotationCount = 0;  // occurrences in the Littré's quotations
  bool common = true;      // false: never common (level 0): a proper noun only, or a word
                           // left out of an anagram class of more than 14
  int anagramClass = -1;   // −1: no anagram in the vocabulary
  int thesaurusMentions = 0;  // synonym groups of today's thesaurus that name the word
  Familiarity familiarity = Familiarity::NotReviewed;
};

// Level 1 takes the `first` commonest words, levels 2 to 5 the next `step` each, level 6
// every other word that a signal knows. Sized so that levels 1 and 2 hold everyday words
// and levels 3 and 4 the rest of the words every adult knows, about 2,000 in all.
struct LevelBands {
  int first = 800;
  int step = 450;
};

// A word that the subtitle list lacks is known when the quotations use it this often.
inline constexpr int kMinQuotations = 1;
inline constexpr std::uint8_t kTopLevel = 6;

// Position of each word in the order of commonness: by the reader's familiarity (everyday
// words first, a word not reviewed with the recognised ones), and within it the words that
// the subtitle list ranks, by rank, then those that today's thesaurus names, most named
// first, then those only the quotations know, most quoted first; −1 for a word that no
// signal knows (the review is one), that is never common, or that the review judged
// unknown today or unfit.
// Words that nothing tells apart share a position (the first of them), so that they fall
// into one level.
std::vector<int> commonnessPositions(const std::vector<WordStanding>& words);

// The level byte of a word at a position of that order: 1..6, or 0 for −1.
std::uint8_t levelAt(int position, LevelBands bands);

// What the game can draw from a set of levels and anagram classes.
struct DrawCounts {
  // Words without anagram that `drawSingleWord` may return at game level L (1..6),
  // top level off; at the top level for a Senior (level 3 or more) and a Junior (level 2).
  int singles[kTopLevel + 1] = {};
  int seniorTop = 0;
  int juniorTop = 0;
  // Anagram classes with a member of level 1..L, which an anagram draw can accept.
  int classes[kTopLevel + 1] = {};
};
DrawCounts countDraws(const std::vector<WordStanding>& words,
                      const std::vector<std::uint8_t>& levels);

// The game never starves: at every level, for both classes and the top level on or off,
// at least this many single-word draws and anagram classes.
inline constexpr int kMinSingleDraws = 300;
inline constexpr int kMinAnagramClasses = 150;
bool enoughDraws(const DrawCounts& counts);

// The levels of the words: bands of 800 and 450 words, widened until the game never
// starves (or until they take in every known word).
std::vector<std::uint8_t> chooseLevels(const std::vector<WordStanding>& words, LevelBands& bands);

}  // namespace vorlane::mkdata
