#pragma once

#include <functional>
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
  bool labelled = false;   // the definition is of a field or a period ("Terme de marine",
                           // "Anciennement"): the article has no general sense
  bool operator==(const LittreEntry&) const = default;
};

// What the reading of an article leaves out besides the history and the references.
struct EntryFilter {
  // Plain forms of the words the article defines: a sentence that holds another form of
  // one of them ("dansez" for "danser") would give the answer away in the short form.
  std::vector<std::string> headwords;
  // Plain forms of the article's other spellings, however short ("MUET" of "muette"), that
  // give the answer away as well, with their plurals.
  std::vector<std::string> otherSpellings;
  // Whether a text (UTF-8) is not for a family game; empty keeps everything.
  std::function<bool(std::string_view)> offensive;
};

// Longest definition and longest quotation kept, in bytes of UTF-8 text.
inline constexpr std::size_t kDefinitionLimit = 250;
inline constexpr std::size_t kQuotationLimit = 110;

// Reads an article's mark-up: the pronunciation and category in
// "<i><small>(...) s. f.</small></i>", numbered senses "<b>1°</b>", quotations in
// "<span foreground="#0000CD">" followed by their author and work, and the sections
// ("<b><big>HISTORIQUE</big></b>", ÉTYMOLOGIE...) that end the senses.
// A sense opened by a field or period label is taken only when no general sense says
// something; a label alone, an example of the word alone or a reference alone is never a
// definition. The quotation comes from the senses the definition was taken from.
LittreEntry parseLittreEntry(std::string_view markup, const EntryFilter& filter = {});

// Whether a plain-form word is another form of a headword (plain form): "DANSEZ" and
// "DANSONS" of "DANSER", "PETIT" of "PETITE"; the headword itself is not.
bool isOtherForm(std::string_view word, std::string_view headword);

// The text of every quotation span of an article, in order (UTF-8 mark-up): the corpus of
// the second frequency signal.
std::vector<std::string_view> quotationsOf(std::string_view markup);

}  // namespace vorlane::mkdata
