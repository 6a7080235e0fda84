#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

class DataFolder;

// "Formes.666": every six-letter French word form that the sources of the word data know
// (plurals, feminines, conjugated forms, names), whether or not a draw can hold it. Records
// of 6 bytes, no header: the plain form of one word form (capitals A to Z, accents folded as
// every word search folds them, "œ" spelled "OE"), sorted byte by byte, each form once.
inline constexpr std::string_view kWordFormsFile = "Formes.666";
inline constexpr std::size_t kWordFormRecordSize = 6;

// The word-form list, read by halving over its records: the file is never loaded whole, and
// is opened and closed by each look-up.
class WordForms {
 public:
  explicit WordForms(const DataFolder& folder) : folder_(folder) {}

  // Whether `word` (a plain form) is a known French word form. A missing file, a file that
  // is not a whole number of records or a failed read answers false: the game then treats
  // the word as it does every word it does not know.
  bool isWordForm(std::string_view word) const;

 private:
  const DataFolder& folder_;
};

// Writes the word-form list into `file`: the six-letter forms among `forms` (plain forms,
// capitals A to Z), sorted, each once; other texts are left out. Returns the records written.
std::size_t writeWordForms(const std::filesystem::path& file, std::vector<std::string> forms);

}  // namespace vorlane
