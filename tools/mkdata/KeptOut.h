#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

// What a family game never shows: vulgar, sexual, scatological, racist and insulting words,
// and the senses and quotations that hold them. Our own reviewed list, extended with a
// maintained French profanity list; the words of that list whose everyday sense is an
// innocent one ("gland", "gourde", "manche") stay in.
class KeptOut {
 public:
  KeptOut();
  // Adds the words of a profanity list (UTF-8, one a line; spellings with digits or signs
  // in place of letters are skipped). Throws vorlane::IoError naming a missing file.
  void addListFile(const std::filesystem::path& file);
  void addWords(const std::vector<std::string>& utf8Words);

  // `key` is a plain form (upper case, no accents).
  bool isKeptOut(std::string_view key) const;
  // Whether a text (UTF-8) holds a kept-out word or one of the phrases that give a sense
  // away as an insult or worse ("terme d'injure", "les règles des femmes").
  bool isOffensive(std::string_view utf8) const;

 private:
  std::set<std::string, std::less<>> keys_;
};

}  // namespace vorlane::mkdata
