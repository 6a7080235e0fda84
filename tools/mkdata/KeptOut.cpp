#include "KeptOut.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "CleanText.h"
#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

// Our own list, reviewed word by word (plain forms): words a player reads today as
// vulgar, sexual, racist or insulting whatever old sense the dictionary gives, and the
// words that mark such a sense in a definition.
constexpr std::array<std::string_view, 62> kOwnList = {
    "BAISEE",    "BAISEES",   "BICOTS",    "BORDEL",     "BRANLE",      "BRANLER",     "CATIN",      "CATINS",
    "CHIANT",    "CHIEUR",     "COIT",        "CRETIN",     "CRETINS",
    "CRETINE",   "ENCULE",     "FIOTTE",      "FOIRER",      "FOIREUX",    "FOUTRE",
    "GOUINE",    "LUPANAR",    "MASTURBATION", "MULATRE",    "MULATRES",   "MULATRESSE",
    "NEGRE",     "NEGRES",     "NEGRESSE",    "NEGRESSES",   "NEGRILLON",  "NICHON",
    "NIQUER",    "ORGASME",    "PEDALE",      "PEDERASTE",   "PEDERASTIE", "PENIS",
    "PISSER",    "PROSTITUEE", "PROSTITUEES", "PROSTITUTION", "PUTAIN",    "PUTAINS",
    "RIBAUDE",   "SALAUD",     "SALOPE",      "SODOMIE",     "SODOMITE",   "SPERME",
    "TAPINE",    "TESTICULE",  "TESTICULES",  "VAGIN",       "VIOL",       "VIOLEE",
    "VIOLEES",   "VIOLER",     "VIOLEUR",     "VULVE",      "YOUPIN",
    "YOUPINE",   "ONANISME"};

// Phrases (plain forms) by which the dictionary marks an insult or an indecent sense.
constexpr std::array<std::string_view, 10> kOffensivePhrases = {
    "TERME D INJURE",      "FAMILIER D INJURE",  "TERME DE MEPRIS", "PAR MEPRIS",
    "MAUVAISE VIE",        "REGLES DES FEMMES",  "PARTIES NATURELLES",
    "PARTIES HONTEUSES",   "PARTIES GENITALES",  "INJURIEUSEMENT"};

// Words of the profanity list whose everyday sense is innocent: an acorn, a gourd, a
// sleeve, a bedbug, a jester.
constexpr std::array<std::string_view, 25> kInnocentSenses = {
    "ANDOUILLE", "BOUFFON",   "CHAUFFARD",  "COCHE",    "COURTAUD", "CRICRI", "CROTTE",
    "CROUTON",   "EPAIS",      "FUMIER",   "GLAND",    "GOURDE", "LAVETTE",
    "MAGOT",     "MANCHE",    "MAUVIETTE",  "MINABLE",  "MISERABLE", "PLEUTRE", "POUF",
    "POURRITURE", "PUNAISE",  "RATON",      "SALE",     "VAURIEN"};

std::string phraseOf(const std::vector<std::string>& words) {
  std::string phrase;
  for (const std::string& word : words) phrase += (phrase.empty() ? "" : " ") + word;
  return phrase;
}

}  // namespace

KeptOut::KeptOut() { keys_.insert(kOwnList.begin(), kOwnList.end()); }

void KeptOut::addListFile(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw IoError(file, toWin1252("Fichier introuvable : ") + file.string());
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) words.push_back(line);
  addWords(words);
}

void KeptOut::addWords(const std::vector<std::string>& utf8Words) {
  for (const std::string& word : utf8Words) {
    std::vector<std::string> plain = plainWordsOf(word);
    // A spelling with a digit or a sign for a letter ("c0nnard") splits into pieces.
    if (plain.size() != 1 || plain[0].size() != plainForm(toWin1252(word)).size()) continue;
    bool innocent = std::find(kInnocentSenses.begin(), kInnocentSenses.end(), plain[0]) !=
                    kInnocentSenses.end();
    if (!innocent) keys_.insert(plain[0]);
  }
}

bool KeptOut::isKeptOut(std::string_view key) const { return keys_.count(key) > 0; }

bool KeptOut::isOffensive(std::string_view utf8) const {
  std::vector<std::string> words = plainWordsOf(utf8);
  if (std::any_of(words.begin(), words.end(),
                  [this](const std::string& word) { return isKeptOut(word); })) {
    return true;
  }
  std::string phrase = " " + phraseOf(words) + " ";
  return std::any_of(kOffensivePhrases.begin(), kOffensivePhrases.end(),
                     [&phrase](std::string_view p) {
                       return phrase.find(" " + std::string(p) + " ") != std::string::npos;
                     });
}

}  // namespace vorlane::mkdata
