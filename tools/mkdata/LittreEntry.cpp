#include "LittreEntry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "CleanText.h"

namespace vorlane::mkdata {
namespace {

constexpr std::string_view kHeaderOpen = "<i><small>";
constexpr std::string_view kHeaderClose = "</small></i>";
constexpr std::string_view kSectionOpen = "<b><big>";
constexpr std::string_view kQuotationOpen = "<span foreground=\"#0000CD\">";
constexpr std::string_view kAuthorOpen = "<span foreground=\"#B22222\">";
constexpr std::string_view kSpanClose = "</span>";
// A first sense shorter than this is followed by the second one.
constexpr std::size_t kShortSense = 60;
constexpr std::size_t kShortestQuotation = 12;

bool isUpperAscii(char c) { return c >= 'A' && c <= 'Z'; }

// Length of the capital letter at `at` (an accented capital takes two UTF-8 bytes), or 0.
std::size_t capitalAt(const std::string& text, std::size_t at) {
  if (isUpperAscii(text[at])) return 1;
  bool accented = text[at] == '\xC3' && at + 1 < text.size() &&
                  static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
                  static_cast<unsigned char>(text[at + 1]) <= 0x9E;
  return accented ? 2 : 0;
}

// A text that sends to another article: "Voy. TAMOUL.", "voy. LÉGAT."
bool startsWithReference(const std::string& text) {
  return text.rfind("Voy", 0) == 0 || text.rfind("voy", 0) == 0;
}

// How a grammatical category begins; conjugated forms or a feminine headword may stand
// before it in the header ("je bats, tu bats ... v. a.", "s. m. AGNELLE (...), s. f.").
constexpr std::array<std::string_view, 16> kCategoryStarts = {
    "s. ",    "s.m.",  "s.f.",  "adj.",  "v. ",  "part.",   "adv.",   "loc.",
    "interj", "prép.", "conj.", "pron.", "art.", "préfixe", "suffixe", "pronom "};

std::size_t categoryStart(const std::string& text) {
  std::size_t best = std::string::npos;
  for (std::string_view start : kCategoryStarts) {
    for (std::size_t at = text.find(start); at != std::string::npos;
         at = text.find(start, at + 1)) {
      if (at == 0 || text[at - 1] == ' ') {
        best = std::min(best, at);
        break;
      }
    }
  }
  return best;
}

// Where the category ends: at a parenthesis or at a word in capitals (a second headword).
std::size_t categoryEnd(const std::string& text) {
  std::size_t end = text.find(" (");
  for (std::size_t at = 0; at + 1 < text.size(); ++at) {
    bool wordStart = at == 0 || text[at - 1] == ' ';
    if (wordStart && std::isupper(static_cast<unsigned char>(text[at])) &&
        std::isupper(static_cast<unsigned char>(text[at + 1]))) {
      return std::min(end, at);
    }
  }
  return end;
}

// The category without the pronunciation in parentheses that opens the header.
// The header without the pronunciation in parentheses that opens it.
std::string withoutPronunciation(std::string text) {
  if (text.empty() || text[0] != '(') return text;
  int depth = 0;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) break;
  }
  return i < text.size() ? text.substr(i + 1) : std::string();
}

// A category that runs on ("v. a. je perds, tu perds ...") keeps its leading
// abbreviations; a homograph number ("part. passé de baguer 1") goes.
std::string trimmedCategory(std::string text) {
  constexpr std::size_t kLongestCategory = 40;
  if (text.size() > kLongestCategory) {
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size() && text[at] != ' ';) {
      std::size_t space = text.find(' ', at);
      std::size_t last = (space == std::string::npos ? text.size() : space) - 1;
      if (text[last] != '.') break;
      end = last + 1;
      at = space == std::string::npos ? text.size() : space + 1;
    }
    text = text.substr(0, end);
  }
  std::size_t number = text.find_last_not_of("0123456789");
  if (number != std::string::npos && number + 1 < text.size() &&
      (text[number] == ' ' || text[number] == '.')) {
    text.erase(number);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == ',' || text.back() == ';')) {
    text.pop_back();
  }
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "..") == 0) text.pop_back();
  // A few headers run the abbreviations together: "s.f." reads "s. f." as everywhere else.
  for (std::string_view tight : {"s.m.", "s.f."}) {
    if (text.rfind(tight, 0) == 0) text = text.substr(0, 2) + " " + text.substr(2);
  }
  return text;
}

std::string categoryOf(std::string_view header) {
  std::string text = withoutPronunciation(cleanMarkup(header));
  std::size_t start = categoryStart(text);
  if (start == std::string::npos) {
    constexpr std::size_t kLongestFreeCategory = 24;  // a category without a known form
    start = text.find_first_not_of(" ,;");
    if (start == std::string::npos || text.size() - start > kLongestFreeCategory) return {};
  }
  if (startsWithReference(text.substr(start))) return {};
  text = text.substr(start);
  text = text.substr(0, categoryEnd(text));
  for (std::size_t dot = text.find(". "); dot != std::string::npos;
       dot = text.find(". ", dot + 1)) {
    // A sentence after the category: "s. f. Terme de...".
    if (dot + 2 < text.size() && capitalAt(text, dot + 2) > 0) {
      text = text.substr(0, dot + 1);
      break;
    }
  }
  return trimmedCategory(text);
}

// Start of each numbered sense marker "<b>N°</b>" in the body.
std::vector<std::size_t> senseMarks(std::string_view body) {
  std::vector<std::size_t> marks;
  std::size_t at = 0;
  while ((at = body.find("<b>", at)) != std::string_view::npos) {
    std::size_t digits = at + 3;
    std::size_t end = digits;
    while (end < body.size() && std::isdigit(static_cast<unsigned char>(body[end]))) ++end;
    if (end > digits && body.substr(end, 6) == "\xC2\xB0</b>") marks.push_back(at);
    at += 3;
  }
  return marks;
}

std::vector<std::string_view> sensesOf(std::string_view body) {
  std::vector<std::size_t> marks = senseMarks(body);
  std::vector<std::string_view> senses;
  std::size_t first = marks.empty() ? body.size() : marks[0];
  if (!cleanMarkup(body.substr(0, first)).empty()) senses.push_back(body.substr(0, first));
  for (std::size_t k = 0; k < marks.size(); ++k) {
    std::size_t end = k + 1 < marks.size() ? marks[k + 1] : body.size();
    senses.push_back(body.substr(marks[k], end - marks[k]));
  }
  return senses;
}

// The mark-up without its quotations and their author and work, which follow each
// quotation in two more spans.
std::string withoutQuotations(std::string_view line) {
  std::string out;
  std::size_t at = 0;
  while (true) {
    std::size_t open = line.find(kQuotationOpen, at);
    out += line.substr(at, open == std::string_view::npos ? std::string_view::npos : open - at);
    if (open == std::string_view::npos) break;
    at = open;
    for (int span = 0; span < 3; ++span) {
      std::size_t close = line.find(kSpanClose, at);
      if (close == std::string_view::npos) return out;
      at = close + kSpanClose.size();
    }
    while (at < line.size() && (line[at] == ',' || line[at] == '.' || line[at] == ' ')) ++at;
  }
  return out;
}

// Where a word in capitals of three letters or more (a source, "LEGOARANT", or another
// headword) starts, other than a Roman numeral; npos when there is none.
std::size_t capitalWord(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (at > 0 && text[at - 1] != ' ' && text[at - 1] != '(') continue;
    std::size_t end = at;
    bool roman = true;
    while (end < text.size() && capitalAt(text, end) > 0) {
      roman = roman && std::string_view("IVXLCDM").find(text[end]) != std::string_view::npos;
      end += capitalAt(text, end);
    }
    if (end - at >= 3 && !roman) return at;
  }
  return std::string::npos;
}

// A sentence that says something: a few letters at least ("Fig." or "m." alone do not).
bool saysSomething(const std::string& sentence) {
  int letters = 0;
  for (char c : sentence) letters += std::isalpha(static_cast<unsigned char>(c)) ? 1 : 0;
  constexpr int kFewestLetters = 6;
  return letters >= kFewestLetters;
}

// Where a page of a source is cited ("p. 998"), or npos.
std::size_t pageReference(const std::string& sentence) {
  for (std::size_t at = sentence.find("p. "); at != std::string::npos;
       at = sentence.find("p. ", at + 1)) {
    bool page = (at == 0 || sentence[at - 1] == ' ') && at + 3 < sentence.size() &&
                std::isdigit(static_cast<unsigned char>(sentence[at + 3]));
    if (page) return at;
  }
  return std::string::npos;
}

// Where the source that a sentence cites starts: a name in capitals ("LEGOARANT"), or the
// title that a cited page belongs to ("Acad. des sc. Comptes rendus, t. LXXXI, p. 998"),
// after its last comma before a capital; npos when the sentence cites nothing.
std::size_t sourceStart(const std::string& sentence) {
  std::size_t capitals = capitalWord(sentence);
  if (capitals != std::string::npos) return capitals;
  std::size_t page = pageReference(sentence);
  if (page == std::string::npos) return page;
  for (std::size_t at = sentence.rfind(", ", page); at != std::string::npos && at > 0;
       at = sentence.rfind(", ", at - 1)) {
    if (isUpperAscii(sentence[at + 2])) return at + 2;
  }
  return 0;  // the whole sentence is the source
}

// "(voy. PHILTRE)" goes, "(a, à, et giorno, jour ; voy. JOUR)" keeps what comes before
// the reference: "(a, à, et giorno, jour)".
std::string withoutReferencesInParentheses(std::string text) {
  std::size_t open = 0;
  while ((open = text.find('(', open)) != std::string::npos) {
    std::size_t close = text.find(')', open);
    if (close == std::string::npos) break;
    std::size_t reference = text.find("voy", open);
    if (reference == std::string::npos || reference > close) {
      open = close;
      continue;
    }
    std::size_t keep = text.find_last_not_of(" ;,:", reference - 1);
    if (keep == std::string::npos || keep <= open) {
      std::size_t from = open > 0 && text[open - 1] == ' ' ? open - 1 : open;
      text.erase(from, close + 1 - from);
      open = from;
    } else {
      text.erase(keep + 1, close - keep - 1);
      open = keep + 1;
    }
  }
  return text;
}

// Where a reference inside a sentence starts ("de toton, voy. ce mot."), or npos.
std::size_t referenceWithin(const std::string& sentence) {
  for (std::size_t at = sentence.find("oy.", 2); at != std::string::npos;
       at = sentence.find("oy.", at + 1)) {
    if ((sentence[at - 1] == 'v' || sentence[at - 1] == 'V') && sentence[at - 2] == ' ') {
      return at - 2;
    }
  }
  return std::string::npos;
}

// A sentence that only names another word for the same thing ("Le même que le cactier.",
// "Synonyme de pesse."): a reference, not a definition.
bool isSameAs(const std::string& sentence) {
  constexpr std::size_t kLongestReference = 40;
  constexpr std::array<std::string_view, 4> kOpenings = {"Le m\xC3\xAAme que", "La m\xC3\xAAme que",
                                                         "Synonyme de", "Nom synonyme de"};
  return sentence.size() <= kLongestReference &&
         std::any_of(kOpenings.begin(), kOpenings.end(),
                     [&sentence](std::string_view opening) { return sentence.rfind(opening, 0) == 0; });
}

// A sentence with a reference keeps the phrase before it ("Altération de toton, voy. ce
// mot." → "Altération de toton."); a lone word before it ("Main-d'oeuvre, voy. ce mot.")
// says nothing and the sentence goes (empty result).
std::string beforeReference(const std::string& sentence) {
  std::size_t reference = referenceWithin(sentence);
  if (reference == std::string::npos) return sentence;
  std::size_t keep = sentence.find_last_not_of(" ,;:", reference);
  if (keep == std::string::npos) return {};
  std::string phrase = sentence.substr(0, keep + 1);
  return phrase.find(' ') == std::string::npos ? std::string() : phrase + ".";
}

// A sentence of the word's history rather than of its meaning.
bool isEtymology(const std::string& sentence) {
  return sentence.rfind("\xC3\x89tymologiquement", 0) == 0;
}

// A remark on how the Académie writes the word; what follows it in the sense goes on
// with the remark ("Cette dernière orthographe...").
bool isUsageNote(const std::string& sentence) {
  return sentence.rfind("L'Acad\xC3\xA9mie", 0) == 0 ||
         sentence.find("dans l'Acad\xC3\xA9mie") != std::string::npos;
}

// The sense without what points elsewhere: references in parentheses "(voy. JOUR)",
// sentences that send to another article ("Voy. TAMOUL.") or hold a reference ("de toton,
// voy. ce mot."), sources named in capitals ("..., LEGOARANT."), each kept up to the comma
// before it when that leaves a phrase, the etymology that opens some senses, and the
// remarks on the Académie's usage, from the first one to the end of the sense.
std::string withoutReferences(std::string text) {
  text = withoutReferencesInParentheses(text);
  std::string kept;
  for (std::string sentence : sentencesOf(text)) {
    if (isUsageNote(sentence)) break;
    if (startsWithReference(sentence) || isEtymology(sentence) || isSameAs(sentence)) continue;
    sentence = beforeReference(sentence);
    if (!saysSomething(sentence)) continue;
    std::size_t source = sourceStart(sentence);
    if (source != std::string::npos) {
      constexpr std::size_t kShortestPhrase = 8;
      std::size_t comma = source < 2 ? std::string::npos : sentence.rfind(", ", source - 2);
      if (comma == std::string::npos || comma < kShortestPhrase) continue;
      sentence = sentence.substr(0, comma) + ".";
    }
    if (!isBalanced(sentence)) continue;
    kept += kept.empty() ? sentence : " " + sentence;
  }
  return cleanMarkup(kept);
}

// The headword that "Voy. ROIDE, ROIDEUR." sends to: "ROIDE".
std::string referenceOf(const std::string& text) {
  std::size_t start = text.find_first_of(" ", 0);
  if (start == std::string::npos) return {};
  start = text.find_first_not_of(" .", start);
  if (start == std::string::npos) return {};
  std::size_t end = text.find_first_of(",.;( ", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The first line of a sense that is not only a quotation, without the "N°" marker.
std::string senseText(std::string_view sense) {
  std::size_t at = 0;
  while (at < sense.size()) {
    std::size_t end = sense.find('\n', at);
    if (end == std::string_view::npos) end = sense.size();
    std::string text = cleanMarkup(withoutQuotations(sense.substr(at, end - at)));
    std::size_t degree = text.find("\xC2\xB0");
    if (degree != std::string::npos && degree < 4) text = text.substr(degree + 2);
    std::size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos) return text.substr(first);
    at = end + 1;
  }
  return {};
}

// "LA FONT." → "La Font.", "SAINT-SIMON" → "Saint-Simon", "FÉN." → "Fén.".
std::string titleCase(const std::string& name) {
  std::string out;
  bool wordStart = true;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char c = name[i];
    bool accentedCapital = c == '\xC3' && i + 1 < name.size() &&
                           static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
                           static_cast<unsigned char>(name[i + 1]) <= 0x9E;
    if (accentedCapital) {
      out.push_back(c);
      char next = name[++i];
      out.push_back(wordStart ? next : static_cast<char>(next + 0x20));
      wordStart = false;
      continue;
    }
    out.push_back(!wordStart && isUpperAscii(c) ? static_cast<char>(c + 32) : c);
    wordStart = !std::isalpha(static_cast<unsigned char>(c));
  }
  return out;
}

std::string tidyQuotation(std::string text) {
  std::size_t dots = text.find("....");
  while (dots != std::string::npos) {
    text.erase(dots, 1);
    dots = text.find("....");
  }
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == ',' || text.back() == ';' || text.back() == ':')) {
    text.pop_back();
  }
  return text;
}

// The first quotation of the senses that is short enough and fit for every player, with
// its author.
void pickQuotation(const std::vector<std::string_view>& senses, const EntryFilter& filter,
                   LittreEntry& entry) {
  for (std::string_view sense : senses) {
    std::size_t at = 0;
    while ((at = sense.find(kQuotationOpen, at)) != std::string_view::npos) {
      at += kQuotationOpen.size();
      std::size_t close = sense.find(kSpanClose, at);
      std::size_t author = sense.find(kAuthorOpen, close);
      if (close == std::string_view::npos || author == std::string_view::npos) return;
      std::size_t authorEnd = sense.find(kSpanClose, author);
      if (authorEnd == std::string_view::npos) return;
      std::string text = tidyQuotation(cleanMarkup(sense.substr(at, close - at)));
      std::string name = cleanMarkup(
          sense.substr(author + kAuthorOpen.size(), authorEnd - author - kAuthorOpen.size()));
      bool fits = text.size() >= kShortestQuotation && text.size() <= kQuotationLimit;
      bool fit = !filter.offensive || !filter.offensive(text);
      if (fits && fit && isBalanced(text) && !name.empty()) {
        entry.quotation = text;
        entry.author = titleCase(name);
        return;
      }
      at = close;
    }
  }
}

// The body without the summary that long articles give of their senses in small print
// before the senses themselves.
std::string_view withoutSummary(std::string_view body) {
  std::size_t open = body.find_first_not_of(" \n");
  if (open == std::string_view::npos || body.substr(open, 7) != "<small>") return body;
  std::size_t close = body.find("</small>", open);
  if (close == std::string_view::npos || senseMarks(body.substr(open, close - open)).empty()) {
    return body;
  }
  return body.substr(close + 8);
}

// Labels of a field or a period that open a sense; the register labels that also start
// with "Terme" ("Terme familier") do not make a sense less general.
constexpr std::array<std::string_view, 21> kFieldLabels = {
    "Terme ",  "Ancien mot",      "Termes d",       "Ancien terme",     "Anciennement",
    "Autrefois",        "Chez les anciens", "Vieux",          "Vieilli",
    "Dans l'ancien",    "Au moyen \xC3\xA2ge", "En termes d",   "En terme d",
    "Dans l'antiquit\xC3\xA9", "Dans le langage d", "Dans la Bible", "Dans l'\xC3\x89" "criture",
    "Dans la mythologie", "Chez les Grecs", "Chez les Romains", "Chez les H\xC3\xA9" "breux"};
constexpr std::array<std::string_view, 8> kRegisterLabels = {
    "Terme familier", "Terme g\xC3\xA9n\xC3\xA9ral", "Terme d'amiti\xC3\xA9",
    "Terme de caresse", "Terme de tendresse", "Terme populaire", "Terme bas", "Terme trivial"};

// The sciences that name things by their everyday names: "Terme d'anatomie" opens the
// sense of "vessie" a player knows, "Terme de chimie" that of "chlore".
constexpr std::array<std::string_view, 16> kSciencesOfThings = {
    "anatomie", "botanique", "zoologie", "m\xC3\xA9" "decine", "chimie", "physique",
    "histoire naturelle", "physiologie", "pharmacie", "chirurgie", "min\xC3\xA9ralogie",
    "astronomie", "g\xC3\xA9ologie", "banque", "cuisine", "ornithologie"};

bool opensWithFieldLabel(const std::string& text) {
  auto opens = [&text](std::string_view label) { return text.rfind(label, 0) == 0; };
  if (std::any_of(kRegisterLabels.begin(), kRegisterLabels.end(), opens)) return false;
  return std::any_of(kFieldLabels.begin(), kFieldLabels.end(), opens);
}

// A label that makes a sense less general than one without.
bool opensWithLabel(const std::string& text) {
  if (!opensWithFieldLabel(text)) return false;
  std::string label = text.substr(0, text.find_first_of(".,"));
  return std::none_of(kSciencesOfThings.begin(), kSciencesOfThings.end(),
                      [&label](std::string_view science) {
                        return label.size() >= science.size() &&
                               label.compare(label.size() - science.size(), science.size(),
                                             science) == 0;
                      });
}

// A category that opens a sense instead of the header ("V. n. Mouvoir le corps...",
// "S. m. Le lancé..."): its length, or 0.
std::size_t leadingCategory(const std::string& text) {
  constexpr std::array<std::string_view, 10> kFirst = {
      "V.", "S.", "Adj.", "Adv.", "Part.", "Pr\xC3\xA9p.", "Interj.", "Loc.", "Conj.", "Pron."};
  std::size_t space = text.find(' ');
  std::string_view first = std::string_view(text).substr(0, space);
  if (space == std::string::npos ||
      std::find(kFirst.begin(), kFirst.end(), first) == kFirst.end()) {
    return 0;
  }
  constexpr std::size_t kLongestAbbreviation = 7;
  std::size_t end = space;
  while (end < text.size()) {
    std::size_t from = end + 1;
    std::size_t next = text.find(' ', from);
    std::string_view word = std::string_view(text).substr(
        from, next == std::string::npos ? std::string::npos : next - from);
    bool abbreviation = !word.empty() && word.back() == '.' && word.size() <= kLongestAbbreviation &&
                        capitalAt(std::string(word), 0) == 0;
    if (!abbreviation && word != "et") break;
    end = next == std::string::npos ? text.size() : next;
  }
  return end;
}

std::string lowerFirst(std::string text) {
  if (!text.empty() && isUpperAscii(text[0])) text[0] = static_cast<char>(text[0] + 32);
  return text;
}

// The sentences of a sense that do not name another form of the headwords.
std::string withoutOtherForms(const std::string& text, const EntryFilter& filter) {
  if (filter.headwords.empty() && filter.otherSpellings.empty()) return text;
  std::string kept;
  for (const std::string& sentence : sentencesOf(text)) {
    bool names = false;
    for (const std::string& word : plainWordsOf(sentence)) {
      for (const std::string& headword : filter.headwords) names = names || isOtherForm(word, headword);
      for (const std::string& other : filter.otherSpellings) {
        names = names || word == other || word == other + "S" || word == other + "X";
      }
    }
    if (!names) kept += kept.empty() ? sentence : " " + sentence;
  }
  return kept;
}

// Whether every sentence of a sense is an example of a headword ("Lois abolies.", "Cochon
// marron."): short, and using the word itself. A clause after a semicolon counts as a
// sentence of its own.
bool onlyExamples(const std::string& text, const EntryFilter& filter) {
  if (filter.headwords.empty()) return false;
  constexpr std::size_t kLongestExample = 80;
  std::string clauses = text;
  for (std::size_t at; (at = clauses.find(" ; ")) != std::string::npos;) clauses.replace(at, 3, ". ");
  for (const std::string& sentence : sentencesOf(clauses)) {
    if (sentence.size() > kLongestExample) return false;
    bool uses = false;
    // A mention in parentheses ("parabole des talents") does not make a sentence an example.
    for (const std::string& word : plainWordsOf(withoutParentheses(sentence))) {
      for (const std::string& headword : filter.headwords) uses = uses || word == headword;
    }
    if (!uses) return false;
  }
  return true;
}

// The sense without the markers of its use that open it: "Fig. Aptitude..." reads
// "Aptitude..."; a marker alone leaves nothing.
std::string withoutUseMarkers(std::string text) {
  constexpr std::array<std::string_view, 5> kMarkers = {"Fig.", "Par extension.", "Absolument.",
                                                        "Figur\xC3\xA9ment.", "Et fig."};
  for (bool found = true; found;) {
    found = false;
    for (std::string_view marker : kMarkers) {
      if (text.rfind(marker, 0) == 0) {
        text = text.substr(std::min(text.size(), text.find_first_not_of(' ', marker.size())));
        found = true;
      }
    }
  }
  return text;
}

// What a sense says once its label is set aside: the sentences after a label sentence.
bool saysMoreThanItsLabel(const std::string& text) {
  std::vector<std::string> sentences = sentencesOf(text);
  for (std::size_t k = 1; k < sentences.size(); ++k) {
    if (saysSomething(sentences[k])) return true;
  }
  // "Terme de chasse, dans lequel ..." : the label runs on into the sense itself.
  std::size_t comma = sentences.empty() ? std::string::npos : sentences[0].find(", ");
  return comma != std::string::npos && saysSomething(sentences[0].substr(comma + 2));
}

struct ReadSense {
  std::string text;
  bool labelled = false;
  std::size_t index = 0;
};

}  // namespace

bool isOtherForm(std::string_view word, std::string_view headword) {
  constexpr std::size_t kStem = 5;
  // A word that holds the headword is masked with it ("maisonnette"): it gives nothing away.
  if (word.find(headword) != std::string_view::npos || word.size() < kStem ||
      headword.size() < kStem + 1) {
    return false;
  }
  if (word.find(headword.substr(0, kStem)) != std::string_view::npos) return true;
  // The plural in "-aux" of a word in "-al" or "-ale": "ducaux" of "ducale".
  std::size_t al = headword.rfind("AL");
  bool inAl = al != std::string_view::npos && al + 2 >= headword.size() - 1 &&
              headword.substr(al + 2).find_first_not_of('E') == std::string_view::npos;
  if (inAl && word == std::string(headword.substr(0, al + 1)) + "UX") return true;
  // A verb's forms share only its root: "dansons", "cessait".
  std::string_view ending = headword.substr(headword.size() - 2);
  bool verb = ending == "ER" || ending == "IR" || ending == "RE";
  std::string_view root = headword.substr(0, headword.size() - 2);
  return verb && word.substr(0, root.size()) == root &&
         std::string_view("AEIOUY").find(word[root.size()]) != std::string_view::npos;
}

LittreEntry parseLittreEntry(std::string_view markup, const EntryFilter& filter) {
  LittreEntry entry;
  std::size_t bodyStart = 0;
  std::size_t header = markup.find(kHeaderOpen);
  std::size_t headerEnd = markup.find(kHeaderClose);
  if (header != std::string_view::npos && headerEnd != std::string_view::npos &&
      header < headerEnd && markup.substr(0, header).find("<b>") == std::string_view::npos) {
    entry.category = categoryOf(
        markup.substr(header + kHeaderOpen.size(), headerEnd - header - kHeaderOpen.size()));
    bodyStart = headerEnd + kHeaderClose.size();
  }
  std::size_t section = markup.find(kSectionOpen, bodyStart);
  std::string_view body = withoutSummary(markup.substr(
      bodyStart, section == std::string_view::npos ? std::string_view::npos : section - bodyStart));
  std::vector<std::string_view> senses = sensesOf(body);
  std::vector<ReadSense> readings;
  for (std::size_t k = 0; k < senses.size(); ++k) {
    std::string raw = senseText(senses[k]);
    if (entry.seeAlso.empty() && readings.empty() && startsWithReference(raw)) {
      entry.seeAlso = referenceOf(raw);
    }
    constexpr std::string_view kAddition = "Ajoutez : ";
    if (raw.rfind(kAddition, 0) == 0) raw = raw.substr(kAddition.size());
    if (std::size_t category = leadingCategory(raw)) {
      if (entry.category.empty()) entry.category = trimmedCategory(lowerFirst(raw.substr(0, category)));
      raw = raw.substr(std::min(raw.size(), category + 1));
    }
    std::string text = withoutUseMarkers(withoutOtherForms(withoutReferences(raw), filter));
    if (text.empty() || !saysSomething(text) || onlyExamples(text, filter)) continue;
    if (filter.offensive && filter.offensive(text)) continue;
    if (opensWithFieldLabel(text) && !saysMoreThanItsLabel(text)) continue;
    bool labelled = opensWithLabel(text);
    readings.push_back({asSentence(text), labelled, k});
  }
  // The first general sense, and the next one when it is short; a labelled sense only
  // when the article has no general one.
  bool general = std::any_of(readings.begin(), readings.end(),
                             [](const ReadSense& r) { return !r.labelled; });
  std::string definition;
  std::vector<std::string_view> taken;
  for (const ReadSense& reading : readings) {
    if (general && reading.labelled) continue;
    definition += definition.empty() ? reading.text : " " + reading.text;
    taken.push_back(senses[reading.index]);
    if (definition.size() >= kShortSense || taken.size() == 2) break;
  }
  entry.labelled = !readings.empty() && !general;
  entry.definition = asSentence(cutAtSentence(definition, kDefinitionLimit));
  if (opensWithFieldLabel(entry.definition) && !saysMoreThanItsLabel(entry.definition)) {
    // The label's sense is one long sentence: the label, then that sentence cut short.
    std::vector<std::string> sentences = sentencesOf(definition);
    std::string rest = definition.substr(std::min(definition.size(), sentences[0].size() + 1));
    entry.definition =
        sentences[0] + " " + asSentence(cutAtSentence(rest, kDefinitionLimit - sentences[0].size()));
  }
  // A sense cut short may keep only its example sentences.
  if (onlyExamples(entry.definition, filter)) entry.definition.clear();
  if (!entry.definition.empty()) {
    entry.seeAlso.clear();
    pickQuotation(taken, filter, entry);
  }
  return entry;
}

std::vector<std::string_view> quotationsOf(std::string_view markup) {
  std::vector<std::string_view> quotations;
  std::size_t at = 0;
  while ((at = markup.find(kQuotationOpen, at)) != std::string_view::npos) {
    at += kQuotationOpen.size();
    std::size_t end = markup.find(kSpanClose, at);
    if (end == std::string_view::npos) break;
    quotations.push_back(markup.substr(at, end - at));
    at = end;
  }
  return quotations;
}

}  // namespace vorlane::mkdata
