#include "Thesaurus.h"

#include <fstream>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

constexpr std::size_t kWordLength = 6;

std::vector<std::string> split(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t bar = line.find('|', start);
    parts.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) return parts;
    start = bar + 1;
  }
}

}  // namespace

Thesaurus::Thesaurus(const std::filesystem::path& datFile) {
  std::ifstream in(datFile);
  if (!in) throw IoError(datFile, toWin1252("Fichier introuvable : ") + datFile.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  addLines(lines);
}

void Thesaurus::addLines(const std::vector<std::string>& utf8Lines) {
  std::vector<Group>* entry = nullptr;
  std::string word;
  for (const std::string& line : utf8Lines) {
    std::vector<std::string> parts = split(toWin1252(line));
    if (parts.size() < 2) continue;
    if (parts[0].empty() || parts[0][0] != '(') {  // "word|count" opens an entry
      word = parts[0];
      entry = word.size() == kWordLength ? &entries_[word] : nullptr;
      continue;
    }
    Group group{parts[0].substr(1, parts[0].find(')') - 1), {}};
    for (std::size_t k = 1; k < parts.size(); ++k) {
      if (parts[k].empty()) continue;
      if (parts[k].size() == kWordLength) ++mentions_[parts[k]];
      group.synonyms.push_back(parts[k]);
    }
    if (entry != nullptr) {
      entry->push_back(std::move(group));
      ++mentions_[word];
    }
  }
}

const std::vector<Thesaurus::Group>& Thesaurus::groups(const std::string& word) const {
  static const std::vector<Group> kNone;
  auto it = entries_.find(word);
  return it == entries_.end() ? kNone : it->second;
}

int Thesaurus::mentions(const std::string& word) const {
  auto it = mentions_.find(word);
  return it == mentions_.end() ? 0 : it->second;
}

}  // namespace vorlane::mkdata
