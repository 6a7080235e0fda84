#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorlane {

class DataFolder;
class Random;

// `tableauNivAd`: the record type of the tables that the word operations fill.
struct TableauNivAd {
  std::string text;                // Windows-1252
  std::int32_t recordNumber = 0;
  std::int32_t levelOrKind = 0;    // the byte of the file
  std::int32_t linkOrAddress = 0;
  bool operator==(const TableauNivAd&) const = default;
};

// `anagramSet`: entry 0 is the word asked for, then the other words of its class in chain
// order; an entry with empty text is unused.
inline constexpr std::size_t kAnagramSetSize = 15;
using AnagramSet = std::array<TableauNivAd, kAnagramSetSize>;

// The word list "Azl.666", the anagram list "Azlana.666" and the letter index
// "Prefn.666". No file is loaded whole: every operation opens the file it needs, reads
// records by number and closes it. Word arguments are plain forms. A read error throws
// IoError; these files are only ever read.
class WordLists {
 public:
  // `warn` shows a warning dialog (the text ">15" when an anagram chain is too long). A
  // draw tries many candidates: the warning shows once until rearmWarning, which the game
  // calls at each draw.
  using Warning = std::function<void(const std::string&)>;
  explicit WordLists(const DataFolder& folder, Warning warn = {});
  void rearmWarning() const { warned_ = false; }

  // The record number stored for a key: a one-letter text, or "fin" (the appendix start).
  std::int32_t letterIndex(std::string_view key) const;
  // Record number of the word's first record in "Azl.666", or −1.
  std::int32_t findWord(std::string_view word) const;
  // True when every record of the word met before a lower-case one is capitalised.
  bool isProperNounOnly(std::string_view word) const;
  // Fills `set` with the word's anagram class; returns the number of words. With
  // `noProperNouns` ("Sans noms propres"), words that exist only as proper nouns are left out.
  int loadAnagramSet(std::string_view word, AnagramSet& set, bool noProperNouns) const;

  // A word with no anagram for a "Six lettres" draw (its plain form), or "" when none
  // qualifies. Records without letters never qualify, in either draw.
  std::string drawSingleWord(int level, bool topLevel, bool juniorClass, Random& random) const;
  // A word with at least one anagram for an "Anagramme" draw, as stored in "Azlana.666".
  std::string drawAnagramWord(Random& random) const;

 private:
  std::int32_t appendixStart() const;

  const DataFolder& folder_;
  Warning warn_;
  mutable bool warned_ = false;
};

// The recent-draw lists, most recent first; a slot never filled holds 0. They survive
// between runs in records 100..399 of the settings file.
class RecentDraws {
 public:
  static constexpr std::size_t kSingleSlots = 100;
  static constexpr std::size_t kAnagramSlots = 200;

  bool isRecentSingle(std::int32_t record) const;
  bool isRecentAnagram(std::int32_t record) const;
  void pushRecentSingle(std::int32_t record);
  void pushRecentAnagram(std::int32_t record);

  // From the settings file, or its factory copy; all 0 when neither exists.
  void loadRecentDraws(const DataFolder& folder);
  // Into the settings file; skipped while the data folder is not writable.
  void saveRecentDraws(const DataFolder& folder) const;

  const std::array<std::int32_t, kSingleSlots>& single() const { return single_; }
  const std::array<std::int32_t, kAnagramSlots>& anagram() const { return anagram_; }
  bool operator==(const RecentDraws&) const = default;

 private:
  std::array<std::int32_t, kSingleSlots> single_{};
  std::array<std::int32_t, kAnagramSlots> anagram_{};
};

}  // namespace vorlane
