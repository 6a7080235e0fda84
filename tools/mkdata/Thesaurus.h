#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

// Today's thesaurus (mythes-fr's ".dat": a line "word|n", then n lines "(Category)|synonym|..."),
// read for six-letter words: the synonym groups of each entry and how many groups of other
// entries name a word. Words are Windows-1252 as written (lower case for common words).
class Thesaurus {
 public:
  struct Group {
    std::string category;               // "Nom", "Verbe", "Adjectif", "Adverbe"...
    std::vector<std::string> synonyms;  // Windows-1252
  };

  Thesaurus() = default;
  // Throws vorlane::IoError naming a missing file.
  explicit Thesaurus(const std::filesystem::path& datFile);
  // The lines of a ".dat" file (UTF-8), for tests.
  void addLines(const std::vector<std::string>& utf8Lines);

  // The six-letter entries and their groups, by word.
  const std::map<std::string, std::vector<Group>>& entries() const { return entries_; }
  // The groups of the word's own entry; empty when it has none.
  const std::vector<Group>& groups(const std::string& word) const;
  // How many synonym groups, of its own entry and of the others, name the word: 0 when the
  // thesaurus does not know it.
  int mentions(const std::string& word) const;

 private:
  std::map<std::string, std::vector<Group>> entries_;
  std::map<std::string, int> mentions_;
};

}  // namespace vorlane::mkdata
