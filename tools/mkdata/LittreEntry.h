#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

// What the data set takes from one article of the Littré. Texts are clean UTF-8.
struct LittreEntry {
  std::string category;    // as the article gives it: "s. f.", "v. a.", "adj."
  std::string definition;  // the first sense (and the next one when it is short), cut at a
                           // sentence end; no examples in quotation marks, no history
  std::string quotation;   // one short quotation, without its quotation marks
  std::string author;      // its author as the article names him: "La Font.", "Bossuet"
  std::string seeAlso;     // the article that an article made only of "Voy. X." sends to
  bool operator==(const LittreEntry&) const = default;
};

// Longest definition and longest quotation kept, in bytes of UTF-8 text.
inline constexpr std::size_t kDefinitionLimit = 250;
inline constexpr std::size_t kQuotationLimit = 110;

// Reads an article's mark-up: the pronunciation and category in
// "<i><small>(...) s. f.</small></i>", numbered senses "<b>1°</b>", quotations in
// "<span foreground="#0000CD">" followed by their author and work, and the sections
// ("<b><big>HISTORIQUE</big></b>", ÉTYMOLOGIE...) that end the senses.
LittreEntry parseLittreEntry(std::string_view markup);

// The text of every quotation span of an article, in order (UTF-8 mark-up): the corpus of
// the second frequency signal.
std::vector<std::string_view> quotationsOf(std::string_view markup);

}  // namespace vorlane::mkdata
