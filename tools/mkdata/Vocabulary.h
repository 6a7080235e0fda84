#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "KeptOut.h"
#include "Levels.h"
#include "Review.h"

namespace vorlane::mkdata {

class Lexicon;
class StarDict;
class Thesaurus;
class WordSignals;

// One record of the word list: a spelling and, for a common word, its definition fields.
struct VocabularyRecord {
  std::string spelling;             // Windows-1252, as "Azl.666" shows it
  bool properNoun = false;          // capitalised, kind 0: no text (address 0), or a plain one
  std::vector<std::string> fields;  // common word: headword, category, definition; proper
                                    // noun: none, or "nom propre" and its text (Windows-1252)
  bool labelled = false;            // the definition is of a field or a period only
  std::size_t articleSize = 0;      // the main homograph has the longest article
  bool reviewed = false;            // our own text, from the review, for this very spelling
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
  explicit Vocabulary(KeptOut keptOut = KeptOut()) : keptOut_(std::move(keptOut)) {}

  // Six-letter headwords (and feminines) of the Littré that today's lexicon accepts,
  // with their definitions.
  void addCommonWords(const StarDict& littre, const Lexicon& lexicon);
  // Today's words that neither the dictionary nor the thesaurus define ("tennis",
  // "yaourt"), and homographs that they leave out ("pressé" beside "presse"): a lemma of
  // today's lexicon that the review judges known and defines, under the category the
  // review gives.
  void addReviewedWords(const Review& review, const Lexicon& lexicon);
  // Six-letter proper nouns of today's lexicon, capitalised, that the dictionary's
  // quotations use, and that are no common word: a town that shares its name with a word
  // ("Menton", "Orange") would only add "Menton, nom propre." to the word's definition.
  void addProperNouns(const Lexicon& lexicon, const WordSignals& signals);
  // Today's common words that the Littré lacks (words born after it, articles its edition
  // lost), from the thesaurus: a lemma of today's lexicon that the subtitle list ranks,
  // defined by its synonyms.
  void addThesaurusWords(const Thesaurus& thesaurus, const Lexicon& lexicon,
                         const WordSignals& signals);
  // Notes the common words that today's lexicon also knows as names ("claude", "vienne")
  // and that the quotations write with a capital at least as often as not, or that today's
  // thesaurus does not know as words: the subtitle list, blind to case, ranks the name.
  void noteFirstNames(const Lexicon& lexicon, const WordSignals& signals,
                      const Thesaurus& thesaurus);
  // The review's judgement of each word it holds, and our own definition where the
  // dictionary's text is not the sense a player knows: it replaces the word's common
  // records with one. A proper noun that the review defines ("Nevers") gets that text. Returns the words whose own definition would give the word or an
  // anagram of it away, or holds a kept-out word (they keep the dictionary's text).
  std::vector<std::string> applyReview(const Review& review);
  // Anagram classes, frequency signals and levels.
  LevelBands assignLevels(const WordSignals& signals, const Thesaurus& thesaurus);

  const std::map<std::string, VocabularyKey>& keys() const { return keys_; }

 private:
  void addRecord(VocabularyRecord record);
  bool isPlayable(const std::string& spelling) const;
  // Whether our own definition (UTF-8) of a word (plain form) names neither the word,
  // another form of it nor one of its anagrams, and holds no kept-out word.
  bool fitsAsHint(const std::string& key, const std::string& utf8Definition) const;
  // A word that no signal knows would have to be found in every draw of its anagram class,
  // though no player can be expected to know it ("vaigre", "icaque"): it is left out.
  void leaveOutUnknownAnagrams(const std::vector<int>& positions);
  void assignClasses(const std::vector<int>& positions);

  KeptOut keptOut_;
  std::map<std::string, VocabularyKey> keys_;
};

}  // namespace vorlane::mkdata
