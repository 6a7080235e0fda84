#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Hunhandle;

namespace vorlane::mkdata {

// Today's French lexicon: a hunspell dictionary (".aff" and ".dic", UTF-8) asked through
// the hunspell library, so that forms derived by affix rules count as well as the lemma
// lines. Words are Windows-1252.
class Lexicon {
 public:
  // Throws vorlane::IoError naming the file when the ".aff" or ".dic" is missing.
  Lexicon(const std::filesystem::path& affFile, const std::filesystem::path& dicFile);
  ~Lexicon();
  Lexicon(const Lexicon&) = delete;
  Lexicon& operator=(const Lexicon&) = delete;

  // Whether the spelling is current French as written (case and accents included).
  bool accepts(std::string_view word) const;
  // The lemmas of which the word is a form ("parle" → "parler"), as hunspell finds them.
  std::vector<std::string> stems(std::string_view word) const;
  // Whether the word is only a plural or a conjugated form of other words ("postes",
  // "sonnez", "plaise"), by hunspell's analysis: no reading of it is a singular noun, an
  // adjective, a participle or a lemma.
  bool isInflectionOnly(std::string_view word) const;

  // The lemmas that the dictionary tags as proper nouns ("po:npr"), in file order.
  const std::vector<std::string>& properNouns() const { return properNouns_; }
  // The lemmas that the dictionary tags as first names ("po:prn"), in file order.
  const std::vector<std::string>& firstNames() const { return firstNames_; }
  // Every capitalised lemma, whatever its tags ("Vienne", "Soudan", "Claude"): the names
  // that share a spelling with a word.
  const std::vector<std::string>& names() const { return names_; }
  // The grammatical category that the dictionary gives a six-letter lemma, as the Littré
  // writes categories: "s. m.", "s. f.", "adj.", "v."; empty when it gives none.
  std::string categoryOf(const std::string& lemma) const;
  // The plain forms of `length` letters of every form that today's lexicon accepts: the
  // lemmas of the ".dic" and the forms its affix rules derive ("chères", "pépins",
  // "écrive", "Nevers"), ligatures spelled out ("coeurs"), sorted, each once.
  std::vector<std::string> formKeys(std::size_t length) const;

 private:
  std::filesystem::path affFile_;
  std::filesystem::path dicFile_;
  Hunhandle* handle_ = nullptr;
  std::vector<std::string> properNouns_;
  std::vector<std::string> firstNames_;
  std::vector<std::string> names_;
  std::map<std::string, std::string> tags_;  // six-letter lemmas: their morphological fields
};

// The key a word form (Windows-1252) is looked up by: its plain form with the ligatures
// spelled out ("cœurs" → "COEURS") and the accents of capitals folded ("Égypte" → "EGYPTE"),
// or empty when that holds anything but the letters A to Z.
std::string formKey(std::string_view win1252);

}  // namespace vorlane::mkdata
