#include "Vocabulary.h"

#include <algorithm>
#include <set>

#include "CleanText.h"
#include "Headword.h"
#include "KeptOut.h"
#include "Lexicon.h"
#include "LittreEntry.h"
#include "StarDict.h"
#include "WordSignals.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

constexpr std::size_t kWordLength = 6;

bool isPlayableKey(const std::string& key) {
  return key.size() == kWordLength &&
         std::all_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Whether the game stores the spelling and shows it back as written.
bool isStorable(const std::string& spelling) {
  auto stored = encodeStored(spelling);
  return stored && displayForm(*stored) == spelling;
}

bool isPlayable(const std::string& spelling) {
  std::string key = plainForm(spelling);
  return isPlayableKey(key) && isStorable(spelling) && !isKeptOut(key);
}

// Today's lexicon writes "œ" where the Littré's index has "oe"; the game stores "oe".
bool isCurrent(const Lexicon& lexicon, const std::string& spelling) {
  if (lexicon.accepts(spelling)) return true;
  std::size_t oe = spelling.find("oe");
  if (oe == std::string::npos) return false;
  std::string ligature = spelling;
  ligature.replace(oe, 2, "\x9C");
  return lexicon.accepts(ligature);
}

// An article and all the index names that point at it.
struct Article {
  StarDict::IndexEntry entry;
  std::vector<std::string> names;
};

// The articles in the order of their offsets.
std::map<std::uint32_t, Article> articlesOf(const StarDict& littre) {
  std::map<std::uint32_t, Article> articles;
  for (const auto& entry : littre.index()) {
    auto& article = articles[entry.offset];
    article.entry = entry;
    article.names.push_back(entry.name);
  }
  return articles;
}

// The six-letter spellings that an article's names give: masculines and feminines, the
// most accented spelling of each plain form.
std::vector<std::string> spellingsOf(const std::vector<std::string>& names) {
  std::map<std::string, std::string> best;
  auto offer = [&best](const std::string& spelling) {
    if (spelling.empty() || !isPlayableKey(plainForm(spelling))) return;
    auto [it, added] = best.emplace(plainForm(spelling), spelling);
    if (!added && accentCount(spelling) > accentCount(it->second)) it->second = spelling;
  };
  for (const std::string& name : names) {
    if (auto headword = parseHeadword(name)) {
      offer(headword->masculine);
      offer(headword->feminine);
    }
  }
  std::vector<std::string> spellings;
  for (const auto& [key, spelling] : best) spellings.push_back(spelling);
  return spellings;
}

// Some index names point at another headword's article ("REBUTÉ" at the article of
// "A GIORNO"). When an article's names give several headwords, a spelling is kept only
// if the article's text uses it.
std::vector<std::string> spellingsUsed(const std::vector<std::string>& spellings,
                                       const std::vector<std::string>& names,
                                       std::string_view article) {
  std::set<std::string> headwords;
  for (const std::string& name : names) {
    if (auto headword = parseHeadword(name)) headwords.insert(plainForm(headword->masculine));
  }
  if (headwords.size() < 2) return spellings;
  std::string text = plainForm(toWin1252(article));
  std::vector<std::string> used;
  for (const std::string& spelling : spellings) {
    if (text.find(plainForm(spelling)) != std::string::npos) used.push_back(spelling);
  }
  return used;
}

std::vector<std::string> definitionFields(const std::string& spelling, const LittreEntry& entry) {
  std::string definition = storableText(entry.definition);
  if (!entry.quotation.empty()) {
    definition += " \"" + storableText(entry.quotation) + "\" (" + storableText(entry.author) + ")";
  }
  return {spelling, storableText(entry.category), definition};
}

bool isCapitalised(const std::string& spelling) {
  if (spelling.empty() || spelling[0] < 'A' || spelling[0] > 'Z') return false;
  return std::all_of(spelling.begin() + 1, spelling.end(), [](char ch) {
    auto c = static_cast<unsigned char>(ch);
    return (c >= 'a' && c <= 'z') || c >= 0xE0;
  });
}

// Order of a class's members when it must keep its commonest: known words by position,
// then the others by plain form.
bool commonerThan(int positionA, const std::string& keyA, int positionB, const std::string& keyB) {
  if ((positionA >= 0) != (positionB >= 0)) return positionA >= 0;
  if (positionA != positionB) return positionA < positionB;
  return keyA < keyB;
}

// The article's own reading, or, for an article that only sends to another ("Voy. X."),
// the other article's definition under this article's category.
LittreEntry readArticle(const StarDict& littre, const StarDict::IndexEntry& article,
                        const std::map<std::string, StarDict::IndexEntry>& byName) {
  LittreEntry entry = parseLittreEntry(littre.article(article));
  if (!entry.definition.empty() || entry.seeAlso.empty()) return entry;
  auto target = byName.find(entry.seeAlso);
  if (target == byName.end() || target->second.offset == article.offset) return entry;
  LittreEntry other = parseLittreEntry(littre.article(target->second));
  if (entry.category.empty()) entry.category = other.category;
  entry.definition = other.definition;
  entry.quotation = other.quotation;
  entry.author = other.author;
  return entry;
}

}  // namespace

void Vocabulary::addRecord(VocabularyRecord record) {
  auto& records = keys_[plainForm(record.spelling)].records;
  for (const auto& existing : records) {
    if (existing.spelling == record.spelling && existing.fields == record.fields) return;
  }
  records.push_back(std::move(record));
}

void Vocabulary::addCommonWords(const StarDict& littre, const Lexicon& lexicon) {
  std::map<std::string, StarDict::IndexEntry> byName;
  for (const auto& entry : littre.index()) byName.emplace(entry.name, entry);
  for (const auto& [offset, article] : articlesOf(littre)) {
    std::vector<std::string> spellings;
    for (const std::string& spelling : spellingsOf(article.names)) {
      if (isPlayable(spelling) && isCurrent(lexicon, spelling)) spellings.push_back(spelling);
    }
    spellings = spellingsUsed(spellings, article.names, littre.article(article.entry));
    if (spellings.empty()) continue;
    LittreEntry entry = readArticle(littre, article.entry, byName);
    if (entry.definition.empty() || entry.category.empty()) continue;
    for (const std::string& spelling : spellings) {
      addRecord({spelling, false, definitionFields(spelling, entry)});
    }
  }
}

void Vocabulary::addProperNouns(const Lexicon& lexicon, const WordSignals& signals) {
  for (const std::string& name : lexicon.properNouns()) {
    // Attested in the dictionary's quotations: places, people and peoples a player may know,
    // not the trade names that today's lexicon also tags as proper nouns.
    if (isCapitalised(name) && isPlayable(name) && signals.quotationCount(lowerCase(name)) > 0) {
      addRecord({name, true, {}});
    }
  }
}

void Vocabulary::noteFirstNames(const Lexicon& lexicon, const WordSignals& signals) {
  for (const std::string& name : lexicon.firstNames()) {
    auto word = keys_.find(plainForm(name));
    if (!isCapitalised(name) || word == keys_.end()) continue;
    std::string spelling = lowerCase(name);
    int capitals = signals.capitalisedCount(spelling);
    word->second.namedMostly = capitals > signals.quotationCount(spelling) - capitals;
  }
}

LevelBands Vocabulary::assignLevels(const WordSignals& signals) {
  for (auto& [key, word] : keys_) {
    // Common records first: the first record of a plain form carries its level.
    std::stable_partition(word.records.begin(), word.records.end(),
                          [](const VocabularyRecord& r) { return !r.properNoun; });
    word.standing.common = !word.records.front().properNoun;
    for (const VocabularyRecord& record : word.records) {
      if (record.properNoun) continue;
      int rank = word.namedMostly ? -1 : signals.subtitleRank(record.spelling);
      if (rank >= 0 && (word.standing.subtitleRank < 0 || rank < word.standing.subtitleRank)) {
        word.standing.subtitleRank = rank;
      }
      int count = signals.quotationCount(record.spelling);
      if (word.namedMostly) count -= signals.capitalisedCount(record.spelling);
      word.standing.quotationCount = std::max(word.standing.quotationCount, count);
    }
  }
  std::vector<WordStanding> standings;
  for (const auto& [key, word] : keys_) standings.push_back(word.standing);
  assignClasses(commonnessPositions(standings));
  standings.clear();
  for (const auto& [key, word] : keys_) standings.push_back(word.standing);
  LevelBands bands;
  std::vector<std::uint8_t> levels = chooseLevels(standings, bands);
  std::size_t i = 0;
  for (auto& [key, word] : keys_) word.level = levels[i++];
  return bands;
}

void Vocabulary::assignClasses(const std::vector<int>& positions) {
  std::map<std::string, std::vector<std::pair<int, std::string>>> byLetters;
  std::size_t i = 0;
  for (const auto& [key, word] : keys_) {
    std::string letters = key;
    std::sort(letters.begin(), letters.end());
    byLetters[letters].emplace_back(positions[i++], key);
  }
  int next = 0;
  for (auto& [letters, members] : byLetters) {
    if (members.size() < 2) continue;
    std::stable_sort(members.begin(), members.end(), [](const auto& a, const auto& b) {
      return commonerThan(a.first, a.second, b.first, b.second);
    });
    for (std::size_t k = 0; k < members.size(); ++k) {
      WordStanding& standing = keys_[members[k].second].standing;
      if (k < kMaxClassSize) {
        standing.anagramClass = next;
      } else {
        standing.common = false;  // left out of its class: never drawn
      }
    }
    ++next;
  }
}

}  // namespace vorlane::mkdata
