#include "Vocabulary.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "CleanText.h"
#include "Headword.h"
#include "KeptOut.h"
#include "Lexicon.h"
#include "LittreEntry.h"
#include "StarDict.h"
#include "Thesaurus.h"
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

// Today's lexicon writes "œ" where the Littré's index has "oe"; the game stores "oe".
bool acceptsWithLigature(const Lexicon& lexicon, const std::string& spelling) {
  if (lexicon.accepts(spelling)) return true;
  std::size_t oe = spelling.find("oe");
  if (oe == std::string::npos) return false;
  std::string ligature = spelling;
  ligature.replace(oe, 2, "\x9C");
  return lexicon.accepts(ligature);
}

// The letters that differ from another only by an accent (Windows-1252).
constexpr std::array<std::string_view, 6> kAccentFamilies = {
    "a\xE0\xE2", "e\xE9\xE8\xEA\xEB", "i\xEE\xEF", "o\xF4", "u\xFB\xF9\xFC", "c\xE7"};

// Today's spelling of a Littré spelling: the same, or the one that differs from it by the
// accent of one letter ("tetine" → "tétine", "barême" → "barème"); nothing when today's
// lexicon knows neither.
std::optional<std::string> currentSpelling(const Lexicon& lexicon, const std::string& spelling) {
  if (acceptsWithLigature(lexicon, spelling)) return spelling;
  for (std::size_t at = 0; at < spelling.size(); ++at) {
    for (std::string_view family : kAccentFamilies) {
      if (family.find(spelling[at]) == std::string_view::npos) continue;
      for (char other : family) {
        if (other == spelling[at]) continue;
        std::string variant = spelling;
        variant[at] = other;
        if (acceptsWithLigature(lexicon, variant)) return variant;
      }
    }
  }
  return std::nullopt;
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

// The plain forms of an article's masculines and feminines other than the headwords, of
// three letters or more: "MUET" in the article of "muette".
std::vector<std::string> otherSpellingsOf(const std::vector<std::string>& names,
                                          const std::vector<std::string>& headwords) {
  constexpr std::size_t kShortest = 3;
  std::vector<std::string> others;
  for (const std::string& name : names) {
    auto headword = parseHeadword(name);
    if (!headword) continue;
    for (const std::string& spelling : {headword->masculine, headword->feminine}) {
      std::string key = plainForm(spelling);
      bool known = std::find(headwords.begin(), headwords.end(), key) != headwords.end() ||
                   std::find(others.begin(), others.end(), key) != others.end();
      if (key.size() >= kShortest && !known) others.push_back(key);
    }
  }
  return others;
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

// Upper case of a UTF-8 word, as the Littré's index writes headwords: "lancer" → "LANCER".
std::string indexNameOf(const std::string& utf8) {
  std::string word = toWin1252(utf8);
  for (char& ch : word) {
    auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
      ch = static_cast<char>(c - 32);
    }
  }
  return win1252ToUtf8(word);
}

constexpr std::string_view kPastParticiple = "part. pass\xC3\xA9";

// The verb of a participle (UTF-8): the one its category names ("part. passé de lancer",
// "part. passé d'acquérir"), else the verb today's lexicon finds it a form of.
std::string participleVerb(const std::string& category, const std::string& spelling,
                           const Lexicon& lexicon) {
  if (category.rfind(kPastParticiple, 0) != 0) return {};
  for (std::string_view opening : {" de ", " d'"}) {
    std::size_t at = category.find(opening, kPastParticiple.size());
    if (at == std::string::npos) continue;
    std::string verb = category.substr(at + opening.size());
    return verb.substr(0, verb.find_first_of(" ,;."));
  }
  for (const std::string& stem : lexicon.stems(spelling)) {
    std::string ending = stem.size() > 2 ? stem.substr(stem.size() - 2) : std::string();
    if (stem != spelling && (ending == "er" || ending == "ir" || ending == "re")) {
      return win1252ToUtf8(stem);
    }
  }
  return {};
}

// "part. passé de lancer", "part. passé d'abattre".
std::string participleCategory(const std::string& verb) {
  bool elided = !verb.empty() && (std::string_view("aeiouy").find(verb[0]) != std::string_view::npos ||
                                  verb.rfind("\xC3", 0) == 0);
  return std::string(kPastParticiple) + (elided ? " d'" : " de ") + verb;
}

const StarDict::IndexEntry* articleNamed(const std::map<std::string, StarDict::IndexEntry>& byName,
                                         const std::string& name) {
  for (const std::string& candidate : {name, name + ".1"}) {
    auto found = byName.find(candidate);
    if (found != byName.end()) return &found->second;
  }
  return nullptr;
}

// The definition, history and quotation of another article under this one's category.
void takeDefinition(LittreEntry& entry, const LittreEntry& other) {
  if (entry.category.empty()) entry.category = other.category;
  entry.definition = other.definition;
  entry.quotation = other.quotation;
  entry.author = other.author;
  entry.labelled = other.labelled;
}

// The article's own reading; a participle takes its verb's definition; an article that
// only sends to another ("Voy. X.") takes the other article's definition.
LittreEntry readArticle(const StarDict& littre, const StarDict::IndexEntry& article,
                        const std::map<std::string, StarDict::IndexEntry>& byName,
                        const EntryFilter& filter, const std::string& spelling,
                        const Lexicon& lexicon) {
  LittreEntry entry = parseLittreEntry(littre.article(article), filter);
  std::string verb = participleVerb(entry.category, spelling, lexicon);
  if (!verb.empty()) {
    const StarDict::IndexEntry* verbArticle = articleNamed(byName, indexNameOf(verb));
    // Some index names point at another word's article: the verb's own text names it.
    bool own = verbArticle != nullptr &&
               plainForm(toWin1252(littre.article(*verbArticle))).find(plainForm(toWin1252(verb))) !=
                   std::string::npos;
    if (own && verbArticle->offset != article.offset) {
      EntryFilter verbFilter = filter;  // the verb's forms give the participle away too
      verbFilter.headwords.push_back(plainForm(toWin1252(verb)));
      verbFilter.otherSpellings.push_back(verbFilter.headwords.back());
      LittreEntry verbEntry = parseLittreEntry(littre.article(*verbArticle), verbFilter);
      if (!verbEntry.definition.empty()) {
        takeDefinition(entry, verbEntry);
        entry.category = participleCategory(verb);
      }
    }
    return entry;
  }
  if (!entry.definition.empty() || entry.seeAlso.empty()) return entry;
  auto target = byName.find(entry.seeAlso);
  if (target == byName.end() || target->second.offset == article.offset) return entry;
  LittreEntry other = parseLittreEntry(littre.article(target->second), filter);
  takeDefinition(entry, other);
  return entry;
}

// Whether a text (UTF-8) names a word (plain form) or another form of it: as a hint, it
// would give the word away. A lone synonym also gives it away by a clipped form of it
// ("ciné" for "cinéma").
bool namesTheWord(const std::string& key, const std::string& utf8, bool synonym = false) {
  for (const std::string& word : plainWordsOf(utf8)) {
    bool clipped = synonym && word.size() >= 3 && key.rfind(word, 0) == 0;
    if (clipped || word.find(key) != std::string::npos || isOtherForm(word, key)) return true;
  }
  return false;
}

// A definition of today's word from its thesaurus entry: "Synonymes : a, b, c." with the
// first synonyms that neither give the word away nor are unfit for a family game.
std::string synonymDefinition(const std::string& key,
                              const std::vector<Thesaurus::Group>& groups, const KeptOut& keptOut) {
  constexpr std::size_t kSynonyms = 5;
  std::vector<std::string> chosen;
  for (const Thesaurus::Group& group : groups) {
    for (const std::string& synonym : group.synonyms) {
      std::string utf8 = win1252ToUtf8(synonym);
      bool givesAway = namesTheWord(key, utf8, true);
      bool taken = std::find(chosen.begin(), chosen.end(), synonym) != chosen.end();
      if (givesAway || taken || keptOut.isOffensive(utf8) || !isStorable(synonym)) continue;
      chosen.push_back(synonym);
      if (chosen.size() == kSynonyms) break;
    }
    if (chosen.size() == kSynonyms) break;
  }
  if (chosen.empty()) return {};
  std::string definition = "Synonymes : ";
  for (std::size_t k = 0; k < chosen.size(); ++k) definition += (k ? ", " : "") + chosen[k];
  return storableText(win1252ToUtf8(definition + "."));
}

}  // namespace

void Vocabulary::addRecord(VocabularyRecord record) {
  auto& records = keys_[plainForm(record.spelling)].records;
  for (const auto& existing : records) {
    if (existing.spelling == record.spelling && existing.fields == record.fields) return;
  }
  records.push_back(std::move(record));
}

bool Vocabulary::isPlayable(const std::string& spelling) const {
  std::string key = plainForm(spelling);
  return isPlayableKey(key) && isStorable(spelling) && !keptOut_.isKeptOut(key);
}

void Vocabulary::addCommonWords(const StarDict& littre, const Lexicon& lexicon) {
  std::map<std::string, StarDict::IndexEntry> byName;
  for (const auto& entry : littre.index()) byName.emplace(entry.name, entry);
  EntryFilter filter;
  filter.offensive = [this](std::string_view text) { return keptOut_.isOffensive(text); };
  for (const auto& [offset, article] : articlesOf(littre)) {
    std::vector<std::string> spellings;
    for (const std::string& spelling : spellingsOf(article.names)) {
      auto current = currentSpelling(lexicon, spelling);
      if (current && isPlayable(*current)) spellings.push_back(*current);
    }
    spellings = spellingsUsed(spellings, article.names, littre.article(article.entry));
    if (spellings.empty()) continue;
    filter.headwords.clear();
    for (const std::string& spelling : spellings) filter.headwords.push_back(plainForm(spelling));
    filter.otherSpellings = otherSpellingsOf(article.names, filter.headwords);
    LittreEntry entry =
        readArticle(littre, article.entry, byName, filter, spellings.front(), lexicon);
    if (entry.definition.empty() || entry.category.empty()) continue;
    // A participle of a kept-out verb is no more fit than the verb.
    if (keptOut_.isOffensive(entry.category)) continue;
    for (const std::string& spelling : spellings) {
      addRecord({spelling, false, definitionFields(spelling, entry), entry.labelled,
                 littre.article(article.entry).size()});
    }
  }
  // A word's general sense comes before the senses of a field or a period, and the
  // everyday homograph, which the dictionary treats at length, before the rare ones
  // ("rustre", a boor, before the lance).
  for (auto& [key, word] : keys_) {
    std::stable_sort(word.records.begin(), word.records.end(),
                     [](const VocabularyRecord& a, const VocabularyRecord& b) {
                       if (a.labelled != b.labelled) return !a.labelled;
                       return a.articleSize > b.articleSize;
                     });
  }
}

void Vocabulary::addReviewedWords(const Review& review, const Lexicon& lexicon) {
  for (const auto& [utf8, reviewed] : review.words()) {
    bool known =
        reviewed.familiarity >= Familiarity::Everyday && reviewed.familiarity <= Familiarity::Rare;
    std::string spelling = toWin1252(utf8);
    std::string key = plainForm(spelling);
    if (isCapitalised(spelling)) continue;  // a name's text goes to its proper-noun record
    auto existing = keys_.find(key);
    bool spelled = existing != keys_.end() &&
                   std::any_of(existing->second.records.begin(), existing->second.records.end(),
                               [&spelling](const VocabularyRecord& r) { return r.spelling == spelling; });
    if (!known || reviewed.definition.empty() || reviewed.category.empty() || spelled ||
        !isPlayable(spelling) || !fitsAsHint(key, reviewed.definition)) {
      continue;
    }
    // A homograph of a word may be a participle ("pressé", of "presser"): today's lexicon
    // has it as a form, not as a lemma of its own.
    std::vector<std::string> stems = lexicon.stems(spelling);
    bool lemma = std::find(stems.begin(), stems.end(), spelling) != stems.end();
    if (existing != keys_.end() ? !lexicon.accepts(spelling) : !lemma) continue;
    addRecord({spelling,
               false,
               {spelling, storableText(reviewed.category), storableText(reviewed.definition)},
               false,
               0,
               true});
  }
}

void Vocabulary::addProperNouns(const Lexicon& lexicon, const WordSignals& signals) {
  for (const std::string& name : lexicon.properNouns()) {
    // Attested in the dictionary's quotations: places, people and peoples a player may know,
    // not the trade names that today's lexicon also tags as proper nouns.
    auto known = keys_.find(plainForm(name));
    bool common = known != keys_.end() &&
                  std::any_of(known->second.records.begin(), known->second.records.end(),
                              [](const VocabularyRecord& r) { return !r.properNoun; });
    if (isCapitalised(name) && isPlayable(name) && !common &&
        signals.quotationCount(lowerCase(name)) > 0) {
      addRecord({name, true, {}, false, 0});
    }
  }
}

void Vocabulary::addThesaurusWords(const Thesaurus& thesaurus, const Lexicon& lexicon,
                                   const WordSignals& signals) {
  for (const auto& [spelling, groups] : thesaurus.entries()) {
    std::string key = plainForm(spelling);
    auto known = keys_.find(key);
    // The Littré's word stays as it is, unless it gives only senses of a field or a
    // period ("danser", Terme de boulangerie, once its general sense showed "danse").
    bool general = known != keys_.end() &&
                   std::any_of(known->second.records.begin(), known->second.records.end(),
                               [](const VocabularyRecord& r) { return !r.labelled; });
    if (general || !isPlayable(spelling) || signals.subtitleRank(spelling) < 0) continue;
    std::vector<std::string> stems = lexicon.stems(spelling);
    std::string category = lexicon.categoryOf(spelling);
    if (category.empty() || std::find(stems.begin(), stems.end(), spelling) == stems.end()) continue;
    std::string definition = synonymDefinition(key, groups, keptOut_);
    if (definition.empty()) continue;
    addRecord({spelling, false, {spelling, category, definition}, false, 0});
    auto& records = keys_[key].records;
    std::rotate(records.begin(), records.end() - 1, records.end());  // the general sense first
  }
}

void Vocabulary::noteFirstNames(const Lexicon& lexicon, const WordSignals& signals,
                                const Thesaurus& thesaurus) {
  std::set<std::string> firstNames(lexicon.firstNames().begin(), lexicon.firstNames().end());
  for (const std::string& name : lexicon.names()) {
    auto word = keys_.find(plainForm(name));
    if (!isCapitalised(name) || word == keys_.end()) continue;
    std::string spelling = lowerCase(name);
    // A first name that the quotations write with a capital at least as often as not
    // ("Claude"); any name whose spelling today's thesaurus does not know as a word
    // ("Vienne", "Soudan"). Places are too often quoted to be told apart by capitals
    // ("Orange").
    int capitals = signals.capitalisedCount(spelling);
    bool quotedAsName = firstNames.count(name) > 0 &&
                        capitals >= signals.quotationCount(spelling) - capitals;
    bool named = quotedAsName || thesaurus.mentions(word->second.records.front().spelling) == 0;
    word->second.namedMostly = word->second.namedMostly || named;
  }
}

bool Vocabulary::fitsAsHint(const std::string& key, const std::string& utf8Definition) const {
  if (namesTheWord(key, utf8Definition) || keptOut_.isOffensive(utf8Definition)) return false;
  // A draw shows one word of an anagram class and hides the others: the shown word's text
  // must not name them ("chelou : bizarre, louche").
  std::string letters = key;
  std::sort(letters.begin(), letters.end());
  for (const std::string& word : plainWordsOf(utf8Definition)) {
    std::string sorted = word;
    std::sort(sorted.begin(), sorted.end());
    if (sorted == letters && word != key && keys_.count(word) > 0) return false;
  }
  return true;
}

std::vector<std::string> Vocabulary::applyReview(const Review& review) {
  std::vector<std::string> refused;
  for (auto& [key, word] : keys_) {
    for (VocabularyRecord& record : word.records) {
      const ReviewedWord* named = record.properNoun ? review.find(record.spelling) : nullptr;
      if (named == nullptr || named->definition.empty()) continue;
      if (!fitsAsHint(key, named->definition)) {
        refused.push_back(win1252ToUtf8(record.spelling));
        continue;
      }
      record.fields = {named->category.empty() ? std::string("nom propre")
                                               : storableText(named->category),
                       storableText(named->definition)};
    }
    auto common = std::find_if(word.records.begin(), word.records.end(),
                               [](const VocabularyRecord& r) { return !r.properNoun; });
    if (common == word.records.end()) continue;
    const ReviewedWord* reviewed = review.find(common->spelling);
    if (reviewed == nullptr) continue;
    word.standing.familiarity = reviewed->familiarity;
    if (reviewed->definition.empty()) continue;
    if (!fitsAsHint(key, reviewed->definition)) {
      refused.push_back(win1252ToUtf8(common->spelling));
      continue;
    }
    // A homograph that the review defines under its own spelling ("pressé" beside "presse")
    // takes that text and stays.
    for (VocabularyRecord& other : word.records) {
      if (other.properNoun || other.spelling == common->spelling) continue;
      const ReviewedWord* homograph = review.find(other.spelling);
      if (homograph == nullptr || homograph->definition.empty() || homograph->category.empty() ||
          !fitsAsHint(key, homograph->definition)) {
        continue;
      }
      other.fields = {other.spelling, storableText(homograph->category),
                      storableText(homograph->definition)};
      other.reviewed = true;
    }
    std::string category =
        reviewed->category.empty() ? common->fields.at(1) : storableText(reviewed->category);
    VocabularyRecord own{common->spelling,
                         false,
                         {common->spelling, category, storableText(reviewed->definition)},
                         false,
                         common->articleSize,
                         true};
    // A homograph that the review defines for its own spelling keeps its text.
    std::erase_if(word.records, [&own](const VocabularyRecord& r) {
      return !r.properNoun && !(r.reviewed && r.spelling != own.spelling);
    });
    word.records.insert(word.records.begin(), std::move(own));
  }
  return refused;
}

LevelBands Vocabulary::assignLevels(const WordSignals& signals, const Thesaurus& thesaurus) {
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
      word.standing.thesaurusMentions =
          std::max(word.standing.thesaurusMentions, thesaurus.mentions(record.spelling));
      int count = signals.quotationCount(record.spelling);
      if (word.namedMostly) count -= signals.capitalisedCount(record.spelling);
      word.standing.quotationCount = std::max(word.standing.quotationCount, count);
    }
  }
  std::vector<WordStanding> standings;
  for (const auto& [key, word] : keys_) standings.push_back(word.standing);
  leaveOutUnknownAnagrams(commonnessPositions(standings));
  standings.clear();
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

void Vocabulary::leaveOutUnknownAnagrams(const std::vector<int>& positions) {
  std::map<std::string, int> classSizes;
  for (const auto& [key, word] : keys_) {
    std::string letters = key;
    std::sort(letters.begin(), letters.end());
    ++classSizes[letters];
  }
  std::size_t i = 0;
  for (auto it = keys_.begin(); it != keys_.end(); ++i) {
    std::string letters = it->first;
    std::sort(letters.begin(), letters.end());
    bool unknown = positions[i] < 0 && it->second.standing.common;
    it = unknown && classSizes[letters] > 1 ? keys_.erase(it) : std::next(it);
  }
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
