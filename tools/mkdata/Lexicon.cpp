#include "Lexicon.h"

#include <hunspell/hunspell.h>

#include <fstream>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane::mkdata {
namespace {

constexpr std::size_t kWordLength = 6;

void requireFile(const fs::path& file) {
  if (!fs::is_regular_file(file)) {
    throw IoError(file, toWin1252("Fichier introuvable : ") + file.string());
  }
}

// The lemma of a ".dic" line: up to its flags ("/"), or its first blank.
std::string lemmaOf(const std::string& line) {
  std::size_t end = line.find_first_of("/\t ");
  return line.substr(0, end);
}

}  // namespace

Lexicon::Lexicon(const fs::path& affFile, const fs::path& dicFile)
    : affFile_(affFile), dicFile_(dicFile) {
  requireFile(affFile);
  requireFile(dicFile);
  handle_ = Hunspell_create(affFile.c_str(), dicFile.c_str());
  std::ifstream dic(dicFile);
  std::string line;
  std::getline(dic, line);  // the word count
  while (std::getline(dic, line)) {
    if (line.find("po:npr") != std::string::npos) properNouns_.push_back(toWin1252(lemmaOf(line)));
    if (line.find("po:prn") != std::string::npos) firstNames_.push_back(toWin1252(lemmaOf(line)));
    std::string lemma = toWin1252(lemmaOf(line));
    if (!lemma.empty() && lemma[0] >= 'A' && lemma[0] <= 'Z') names_.push_back(lemma);
    std::size_t fields = line.find(" po:");
    if (lemma.size() == kWordLength && fields != std::string::npos) {
      tags_[lemma] += line.substr(fields);
    }
  }
}

std::string Lexicon::categoryOf(const std::string& lemma) const {
  auto it = tags_.find(lemma);
  if (it == tags_.end()) return {};
  const std::string& tags = it->second;
  auto has = [&tags](const char* tag) { return tags.find(tag) != std::string::npos; };
  if (has("po:nom")) {
    if (has("is:fem") && !has("is:mas")) return "s. f.";
    if (has("is:mas") && !has("is:fem")) return "s. m.";
    return "s. m. et f.";
  }
  if (has("po:adj")) return "adj.";
  if (has("po:v")) return "v.";
  if (has("po:adv")) return "adv.";
  return {};
}

bool Lexicon::isInflectionOnly(std::string_view word) const {
  std::string utf8 = win1252ToUtf8(word);
  char** list = nullptr;
  int count = Hunspell_analyze(handle_, &list, utf8.c_str());
  bool inflection = count > 0;
  for (int i = 0; i < count; ++i) {
    std::string reading = list[i];
    auto has = [&reading](const char* field) { return reading.find(field) != std::string::npos; };
    std::size_t stem = reading.find("st:" + utf8);
    std::size_t after = stem + 3 + utf8.size();
    bool lemma = stem != std::string::npos && (after == reading.size() || reading[after] == ' ');
    bool own = lemma || has("po:ppas") || has("po:adj") || (has("po:nom") && !has("is:pl"));
    inflection = inflection && !own;
  }
  Hunspell_free_list(handle_, &list, count);
  return inflection;
}

Lexicon::~Lexicon() { Hunspell_destroy(handle_); }

bool Lexicon::accepts(std::string_view word) const {
  return Hunspell_spell(handle_, win1252ToUtf8(word).c_str()) != 0;
}

std::vector<std::string> Lexicon::stems(std::string_view word) const {
  char** list = nullptr;
  int count = Hunspell_stem(handle_, &list, win1252ToUtf8(word).c_str());
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(toWin1252(list[i]));
  Hunspell_free_list(handle_, &list, count);
  return result;
}

}  // namespace vorlane::mkdata
