#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/WordFileWriter.h"

namespace vorlane::test {

// Builds small word data sets for tests through the game's own writer. Spellings are
// given in UTF-8 and stored as the game stores them.
class WordSetBuilder {
 public:
  // A word without anagram (anagramClass -1) or in the class given.
  WordSetBuilder& word(const std::string& utf8Spelling, std::uint8_t level = 1,
                       int anagramClass = -1);
  WordSetBuilder& appendixWord(const std::string& utf8Spelling, std::uint8_t level = 1,
                               int anagramClass = -1);
  // Writes "Azl.666", "Azlana.666" and "Prefn.666" into `folder`; returns the words in
  // record order.
  std::vector<DataSetWord> write(const std::filesystem::path& folder) const;

  // Also writes empty "Dicx.666", "Nazniv.666" and a 400-record "Nsco.666", so that the
  // start-up check passes.
  std::vector<DataSetWord> writeComplete(const std::filesystem::path& folder) const;

 private:
  std::vector<DataSetWord> words_;
};

// The record number of a spelling (UTF-8) among words in record order, or −1.
int recordOf(const std::vector<DataSetWord>& ordered, const std::string& utf8Spelling);

}  // namespace vorlane::test
