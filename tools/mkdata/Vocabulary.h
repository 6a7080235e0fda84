#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Levels.h"

namespace vorlane::mkdata {

class Lexicon;
class StarDict;
class WordSignals;

// One record of the word list: a spelling and, for a common word, its definition fields.
struct VocabularyRecord {
  std::string spelling;             // Windows-1252, as "Azl.666" shows it
  bool properNoun = false;          // capitalised, no text (kind 0, address 0)
  std::vector<std::string> fields;  // common word: headword, category, definition (Windows-1252)
};

// The records of one plain form; the first one carries the level and the anagram class.
struct VocabularyKey {
  std::vector<VocabularyRecord> records;
  WordStanding standing;
  std::uint8_t level = 0;
  bool namedMostly = false;  // a first name more often than a word in the dictionary's
                             // quotations: the subtitle list, blind to case, ranks the name
};

// Largest anagram class: a draw needs a row for the starting word among the 14 rows.
inline constexpr std::size_t kMaxClassSize = 14;

// The game's vocabulary, by plain form (upper case, no accents, six letters A to Z).
class Vocabulary {
 public:
  // Six-letter headwords (and feminines) of the Littré that today's lexicon accepts,
  // with their definitions.
  void addCommonWords(const StarDict& littre, const Lexicon& lexicon);
  // Six-letter proper nouns of today's lexicon, capitalised, that the dictionary's
  // quotations use.
  void addProperNouns(const Lexicon& lexicon, const WordSignals& signals);
  // Notes the common words that today's lexicon also knows as first names ("claude",
  // "robert") and that the quotations write with a capital more often than not.
  void noteFirstNames(const Lexicon& lexicon, const WordSignals& signals);
  // Anagram classes, frequency signals and levels.
  LevelBands assignLevels(const WordSignals& signals);

  const std::map<std::string, VocabularyKey>& keys() const { return keys_; }

 private:
  void addRecord(VocabularyRecord record);
  void assignClasses(const std::vector<int>& positions);

  std::map<std::string, VocabularyKey> keys_;
};

}  // namespace vorlane::mkdata
