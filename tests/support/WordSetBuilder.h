#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/WordFileWriter.h"

namespace vorlane::test {

// Builds small word data sets for tests through the game's own writer. Spellings are
// given in UTF-8 and stored as the game stores them.
class WordSetBuilder {
 public:
  // A word without anagram (anagramClass -1) or in the class given; a definition makes it
  // a common word with a scrambled record "spelling, n. m., definition".
  WordSetBuilder& word(const std::string& utf8Spelling, std::uint8_t level = 1,
                       int anagramClass = -1, const std::string& utf8Definition = "");
  WordSetBuilder& appendixWord(const std::string& utf8Spelling, std::uint8_t level = 1,
                               int anagramClass = -1);
  // Writes "Azl.666", "Azlana.666" and "Prefn.666" into `folder`, and "Dicx.666" when a
  // word has a definition; returns the words in record order.
  std::vector<DataSetWord> write(const std::filesystem::path& folder) const;

  // Also writes "Nazniv.666", a 400-record "Nsco.666" and, when no word has a definition,
  // an empty "Dicx.666", so that the start-up check passes.
  std::vector<DataSetWord> writeComplete(const std::filesystem::path& folder) const;

 private:
  std::vector<DataSetWord> words_;
  std::map<std::string, std::string> definitions_;  // Windows-1252 spelling -> definition
};

// The record number of a spelling (UTF-8) among words in record order, or −1.
int recordOf(const std::vector<DataSetWord>& ordered, const std::string& utf8Spelling);

}  // namespace vorlane::test
