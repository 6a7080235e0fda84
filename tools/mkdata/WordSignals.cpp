#include "WordSignals.h"

#include <fstream>
#include <set>

#include "Headword.h"
#include "Lexicon.h"
#include "LittreEntry.h"
#include "StarDict.h"
#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

// Only six-letter words play; counting them alone keeps the maps small.
constexpr std::size_t kWordLength = 6;

bool isWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

}  // namespace

void WordSignals::readSubtitleList(const std::filesystem::path& listFile, const Lexicon* lexicon) {
  std::ifstream in(listFile);
  if (!in) throw IoError(listFile, toWin1252("Fichier introuvable : ") + listFile.string());
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) words.push_back(line);
  addSubtitleWords(words, lexicon);
}

void WordSignals::addSubtitleWords(const std::vector<std::string>& utf8Words,
                                   const Lexicon* lexicon) {
  for (const std::string& word : utf8Words) {
    std::string spelling = lowerCase(toWin1252(word));
    if (spelling.size() == kWordLength) ranks_.emplace(spelling, listed_);
    if (lexicon != nullptr) {
      // A form of several lemmas ranks only those it begins with: "herbes" is the noun's
      // plural and says nothing of the rare verb that shares it ("herber").
      std::vector<std::string> stems = lexicon->stems(spelling);
      std::set<std::string> lemmas(stems.begin(), stems.end());
      for (const std::string& lemma : lemmas) {
        bool ranked = lemmas.size() == 1 || spelling.rfind(lemma, 0) == 0;
        if (ranked && lemma != spelling && lemma.size() == kWordLength) {
          ranks_.emplace(lowerCase(lemma), listed_);
        }
      }
    }
    ++listed_;
  }
}

void WordSignals::countQuotations(const StarDict& littre) {
  for (std::string_view quotation : quotationsOf(littre.articles())) addQuotation(quotation);
}

void WordSignals::addQuotation(std::string_view utf8Markup) {
  std::string text = toWin1252(utf8Markup);
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && !isWordByte(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t start = i;
    while (i < text.size() && isWordByte(static_cast<unsigned char>(text[i]))) ++i;
    if (i - start == kWordLength) {
      std::string spelling = lowerCase(std::string_view(text).substr(start, i - start));
      ++counts_[spelling];
      if (spelling[0] != text[start]) ++capitalised_[spelling];
    }
  }
}

int WordSignals::subtitleRank(const std::string& spelling) const {
  auto it = ranks_.find(spelling);
  return it == ranks_.end() ? -1 : it->second;
}

int WordSignals::quotationCount(const std::string& spelling) const {
  auto it = counts_.find(spelling);
  return it == counts_.end() ? 0 : it->second;
}

int WordSignals::capitalisedCount(const std::string& spelling) const {
  auto it = capitalised_.find(spelling);
  return it == capitalised_.end() ? 0 : it->second;
}

}  // namespace vorlane::mkdata
