#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "Levels.h"

namespace vorlane::mkdata {

// One line of the review: the reader's judgement and, when the dictionary's text is not
// the sense a player knows, a definition of our own with the category of that sense (UTF-8;
// empty: the dictionary's).
struct ReviewedWord {
  Familiarity familiarity = Familiarity::NotReviewed;
  std::string category;
  std::string definition;
};

// The word list as French readers reviewed it, word by word: "tools/mkdata/reviewed/words.tsv",
// one word a line, "word<TAB>F<TAB>C<TAB>D": F is 1 to 5 (`Familiarity`) or X (unfit), D is
// "ok" (the dictionary's definition stands), "-" (none needed) or our own definition, C the
// category of our own definition ("s. f.", "part. passé de nouer") or "-" (the dictionary's).
// Lines starting with "#" are comments.
class Review {
 public:
  Review() = default;
  // Throws vorlane::IoError for a file that cannot be read, std::runtime_error naming the
  // line of a malformed entry.
  explicit Review(const std::filesystem::path& file);
  // Adds one line of the file's form; false for a malformed one.
  bool addLine(std::string_view utf8Line);

  // `spelling` in Windows-1252, as the vocabulary holds it; nullptr when not reviewed.
  const ReviewedWord* find(const std::string& spelling) const;
  // The words judged unfit for a family game (UTF-8).
  std::vector<std::string> unfitWords() const;
  std::size_t size() const { return words_.size(); }
  // Every reviewed word, by UTF-8 spelling.
  const std::map<std::string, ReviewedWord, std::less<>>& words() const { return words_; }

 private:
  std::map<std::string, ReviewedWord, std::less<>> words_;  // by UTF-8 spelling
};

}  // namespace vorlane::mkdata
