#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

class Lexicon;
class StarDict;

// How common a word is today, by spelling (lower case, accents kept, Windows-1252, so
// that "crâne" says nothing of "craner"): its rank in a list of words ordered by
// frequency in film subtitles (0 the commonest), and how often it occurs in the
// Littré's own quotations.
class WordSignals {
 public:
  // Ranks from a list of UTF-8 words, one a line, commonest first; a spelling takes its
  // best rank in the list or, when a lexicon is given, that of the forms whose lemma it is
  // ("parle" ranks "parler").
  void readSubtitleList(const std::filesystem::path& listFile, const Lexicon* lexicon);
  void addSubtitleWords(const std::vector<std::string>& utf8Words, const Lexicon* lexicon);
  // Counts the words of every quotation of the dictionary.
  void countQuotations(const StarDict& littre);
  void addQuotation(std::string_view utf8Markup);

  // −1 when the list lacks the word.
  int subtitleRank(const std::string& spelling) const;
  int quotationCount(const std::string& spelling) const;
  // Of those occurrences, the ones written with a capital (a name, or a sentence start).
  int capitalisedCount(const std::string& spelling) const;

 private:
  std::map<std::string, int> ranks_;
  std::map<std::string, int> counts_;
  std::map<std::string, int> capitalised_;
  int listed_ = 0;
};

}  // namespace vorlane::mkdata
