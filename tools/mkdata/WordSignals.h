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
// that "crâne" says nothing of "craner"): its rank by frequency in film subtitles (0 the
// commonest), and how often it occurs in the Littré's own quotations. The subtitle list
// gives ranks, not counts: a word at rank r weighs 1 / (r + kRankOffset), as word
// frequencies fall with their rank, and a lemma weighs its own line plus those of its forms.
class WordSignals {
 public:
  // Ranks from a list of UTF-8 words, one a line, commonest first; a spelling weighs its
  // own line and, when a lexicon is given, the lines of the forms whose lemma it is
  // ("parle", "parlons" count for "parler"). Spellings of equal weight share a rank.
  // An encyclopedia's list (same form) counts at `scale` of its weight: written usage, which
  // knows the everyday words that film dialogue seldom says ("viaduc", "loutre").
  void readSubtitleList(const std::filesystem::path& listFile, const Lexicon* lexicon,
                        double scale = 1.0);
  void addSubtitleWords(const std::vector<std::string>& utf8Words, const Lexicon* lexicon,
                        double scale = 1.0);
  // Counts the words of every quotation of the dictionary.
  void countQuotations(const StarDict& littre);
  void addQuotation(std::string_view utf8Markup);

  // −1 when the list lacks the word.
  int subtitleRank(const std::string& spelling) const;
  int quotationCount(const std::string& spelling) const;
  // Of those occurrences, the ones written with a capital (a name, or a sentence start).
  int capitalisedCount(const std::string& spelling) const;

 private:
  void rerank();

  std::map<std::string, double> weights_;
  std::map<std::string, int> ranks_;
  std::map<std::string, int> counts_;
  std::map<std::string, int> capitalised_;
};

}  // namespace vorlane::mkdata
