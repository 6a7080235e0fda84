#include "WordSignals.h"

#include <algorithm>
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
// How far down the list the weights start: the first lines do not outweigh all others.
constexpr double kRankOffset = 50.0;

bool isWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

}  // namespace

void WordSignals::readSubtitleList(const std::filesystem::path& listFile, const Lexicon* lexicon,
                                   double scale) {
  std::ifstream in(listFile);
  if (!in) throw IoError(listFile, toWin1252("Fichier introuvable : ") + listFile.string());
  std::vector<std::string> words;
  std::string line;
  while (std::getline(in, line)) words.push_back(line);
  addSubtitleWords(words, lexicon, scale);
}

void WordSignals::addSubtitleWords(const std::vector<std::string>& utf8Words,
                                   const Lexicon* lexicon, double scale) {
  for (std::size_t listed = 0; listed < utf8Words.size(); ++listed) {
    std::string spelling = lowerCase(toWin1252(utf8Words[listed]));
    double weight = scale / (static_cast<double>(listed) + kRankOffset);
    std::vector<std::string> stems;
    if (lexicon != nullptr) stems = lexicon->stems(spelling);
    // A plural or a conjugated form ("postes", "plaise") counts for its lemmas only, not for
    // a headword that shares its spelling ("plaise", a fish).
    if (spelling.size() == kWordLength &&
        (lexicon == nullptr || !lexicon->isInflectionOnly(spelling))) {
      weights_[spelling] += weight;
    }
    if (lexicon != nullptr) {
      // A form of several lemmas counts only for those it begins with: "herbes" is the
      // noun's plural and says nothing of the rare verb that shares it ("herber").
      std::set<std::string> lemmas(stems.begin(), stems.end());
      for (const std::string& lemma : lemmas) {
        bool counted = lemmas.size() == 1 || spelling.rfind(lemma, 0) == 0;
        if (counted && lemma != spelling && lemma.size() == kWordLength) {
          weights_[lowerCase(lemma)] += weight;
        }
      }
    }
  }
  rerank();
}

void WordSignals::rerank() {
  std::vector<std::pair<double, std::string>> order;
  for (const auto& [spelling, weight] : weights_) order.emplace_back(-weight, spelling);
  std::sort(order.begin(), order.end());
  ranks_.clear();
  for (std::size_t k = 0; k < order.size(); ++k) {
    bool tie = k > 0 && order[k].first == order[k - 1].first;
    ranks_[order[k].second] = tie ? ranks_[order[k - 1].second] : static_cast<int>(k);
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
