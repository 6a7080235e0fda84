#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlane {

// One word of a data set, as the writer of the three word files takes it.
struct DataSetWord {
  std::string spelling;                 // dictionary spelling, Windows-1252 ("été", "Paris")
  std::uint8_t level = 0;               // "Azlana.666" level byte: 0, or 1..6
  int anagramClass = -1;                // words with the same class number are chained; -1: none
  bool inAppendix = false;              // stored after the sorted part, outside its order
  std::uint8_t kind = 0;                // "Azl.666" kind byte (definitions)
  std::uint32_t definitionAddress = 0;  // as stored in "Azl.666", mask included
};

// A data set that cannot be written as asked (a spelling that cannot be stored, more than
// eight letters, more records than the letter index can number).
class WordDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Puts the words in record order: the sorted part by plain form (byte by byte, unsigned,
// a proper prefix first; equal keys keep their given order), then the appendix words in
// their given order. The index of a word in the result is its record number in both files.
std::vector<DataSetWord> orderWords(std::vector<DataSetWord> words);

// Writes "Azl.666", "Azlana.666" and "Prefn.666" into `folder` from words already in
// record order: the circular anagram links, the letter index and the appendix start.
// The first record of a plain form carries the chain for its homographs; record 0 never
// joins a chain, since a link of 0 means "no anagram".
void writeWordFiles(const std::filesystem::path& folder, const std::vector<DataSetWord>& ordered);

}  // namespace vorlane
