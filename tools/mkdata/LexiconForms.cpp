// Every word form of today's lexicon: the ".dic" lemmas through the ".aff" affix rules, each
// form confirmed by the hunspell library itself.
#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "Lexicon.h"
#include "data/TextCodec.h"

#include <hunspell/hunspell.h>

namespace vorlane::mkdata {
namespace {

// One element of an affix condition: a byte, any byte ('.'), or a set of bytes, negated or
// not. Windows-1252, as the forms are built.
struct ConditionElement {
  std::string bytes;
  bool any = false;
  bool negated = false;
  bool matches(char c) const {
    if (any) return true;
    return (bytes.find(c) != std::string::npos) != negated;
  }
};

std::vector<ConditionElement> parseCondition(const std::string& win1252) {
  std::vector<ConditionElement> elements;
  for (std::size_t i = 0; i < win1252.size(); ++i) {
    ConditionElement element;
    if (win1252[i] == '[') {
      std::size_t end = win1252.find(']', i);
      if (end == std::string::npos) end = win1252.size();
      std::string set = win1252.substr(i + 1, end - i - 1);
      if (!set.empty() && set[0] == '^') {
        element.negated = true;
        set.erase(0, 1);
      }
      element.bytes = set;
      i = end;
    } else if (win1252[i] == '.') {
      element.any = true;
    } else {
      element.bytes = std::string(1, win1252[i]);
    }
    elements.push_back(element);
  }
  return elements;
}

struct AffixRule {
  bool suffix = true;
  bool cross = false;
  std::string strip;  // Windows-1252; empty for "0"
  std::string add;
  std::string continuation;  // raw flags the affixed form takes in turn
  std::vector<ConditionElement> condition;

  // The affixed form of `word`, or nothing when the rule does not apply to it.
  std::optional<std::string> apply(const std::string& word) const {
    if (word.size() < strip.size() || word.size() < condition.size()) return std::nullopt;
    if (suffix) {
      if (word.compare(word.size() - strip.size(), strip.size(), strip) != 0) return std::nullopt;
      const std::size_t from = word.size() - condition.size();
      for (std::size_t i = 0; i < condition.size(); ++i) {
        if (!condition[i].matches(word[from + i])) return std::nullopt;
      }
      return word.substr(0, word.size() - strip.size()) + add;
    }
    if (word.compare(0, strip.size(), strip) != 0) return std::nullopt;
    for (std::size_t i = 0; i < condition.size(); ++i) {
      if (!condition[i].matches(word[i])) return std::nullopt;
    }
    return add + word.substr(strip.size());
  }
};

enum class FlagType { single, pairs, numbers, utf8 };

std::vector<std::string> splitFlags(const std::string& flags, FlagType type) {
  std::vector<std::string> result;
  if (type == FlagType::numbers) {
    std::stringstream stream(flags);
    std::string flag;
    while (std::getline(stream, flag, ',')) result.push_back(flag);
    return result;
  }
  for (std::size_t i = 0; i < flags.size();) {
    std::size_t length = 1;
    if (type == FlagType::pairs) {
      length = 2;
    } else if (type == FlagType::utf8) {
      const auto lead = static_cast<unsigned char>(flags[i]);
      length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    }
    result.push_back(flags.substr(i, length));
    i += length;
  }
  return result;
}

std::string zeroIsEmpty(const std::string& field) { return field == "0" ? std::string() : field; }

struct AffixFile {
  FlagType flagType = FlagType::single;
  std::map<std::string, std::vector<AffixRule>> rules;
};

AffixFile readAffixFile(const std::filesystem::path& file) {
  AffixFile aff;
  std::ifstream in(file);
  std::string line;
  std::map<std::string, bool> crossOf;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "FLAG") {
      std::string type;
      fields >> type;
      aff.flagType = type == "long"    ? FlagType::pairs
                     : type == "num"   ? FlagType::numbers
                     : type == "UTF-8" ? FlagType::utf8
                                       : FlagType::single;
      continue;
    }
    if (kind != "SFX" && kind != "PFX") continue;
    std::string flag, strip, add, condition;
    fields >> flag >> strip >> add;
    if (!(fields >> condition)) {
      crossOf[kind + flag] = strip == "Y";  // the header: flag, cross product, count
      continue;
    }
    AffixRule rule;
    rule.suffix = kind == "SFX";
    rule.cross = crossOf[kind + flag];
    std::size_t slash = add.find('/');
    if (slash != std::string::npos) {
      rule.continuation = add.substr(slash + 1);
      add.erase(slash);
    }
    rule.strip = toWin1252(zeroIsEmpty(strip));
    rule.add = toWin1252(zeroIsEmpty(add));
    rule.condition = parseCondition(toWin1252(condition));
    aff.rules[flag].push_back(rule);
  }
  return aff;
}

// The forms of one lemma: itself, each suffix and prefix, a prefix over a suffix where both
// allow it, and the suffixes a prefixed form takes by its own flags.
void formsOf(const std::string& lemma, const std::vector<std::string>& flags, const AffixFile& aff,
             std::vector<std::string>& out) {
  out.push_back(lemma);
  std::vector<std::pair<std::string, const AffixRule*>> suffixed;
  std::vector<const AffixRule*> prefixes;
  for (const std::string& flag : flags) {
    auto it = aff.rules.find(flag);
    if (it == aff.rules.end()) continue;
    for (const AffixRule& rule : it->second) {
      if (!rule.suffix) {
        prefixes.push_back(&rule);
        continue;
      }
      if (auto form = rule.apply(lemma)) {
        out.push_back(*form);
        suffixed.emplace_back(*form, &rule);
      }
    }
  }
  for (const AffixRule* prefix : prefixes) {
    auto form = prefix->apply(lemma);
    if (!form) continue;
    out.push_back(*form);
    for (const std::string& flag : splitFlags(prefix->continuation, aff.flagType)) {
      auto it = aff.rules.find(flag);
      if (it == aff.rules.end()) continue;
      for (const AffixRule& rule : it->second) {
        if (rule.suffix) {
          if (auto both = rule.apply(*form)) out.push_back(*both);
        }
      }
    }
    if (!prefix->cross) continue;
    for (const auto& [word, rule] : suffixed) {
      if (!rule->cross) continue;
      if (auto both = prefix->apply(word)) out.push_back(*both);
    }
  }
}

// The display spelling of a form as the game stores it: the ligatures spelled out.
std::string spelledOut(const std::string& win1252) {
  std::string text;
  for (char c : win1252) {
    switch (static_cast<unsigned char>(c)) {
      case 0x9C:
        text += "oe";
        break;
      case 0x8C:
        text += "OE";
        break;
      case 0xE6:
        text += "ae";
        break;
      case 0xC6:
        text += "AE";
        break;
      default:
        text += c;
    }
  }
  return text;
}

}  // namespace

std::string formKey(std::string_view win1252) {
  // A capital's accent stays in a plain form ("ÉGYPTE"), but no player can type it: the
  // typed EGYPTE is that word.
  static const std::string kCapitals = toWin1252("ÀÂÄÁÉÈÊËÎÏÔÖÙÛÜÇÑ");
  static const std::string kBare = "AAAAEEEEIIOOUUUCN";
  std::string key = plainForm(spelledOut(std::string(win1252)));
  for (char& c : key) {
    const std::size_t at = kCapitals.find(c);
    if (at != std::string::npos) c = kBare[at];
  }
  const bool letters =
      std::all_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  return letters ? key : std::string();
}

std::vector<std::string> Lexicon::formKeys(std::size_t length) const {
  const AffixFile aff = readAffixFile(affFile_);
  std::ifstream dic(dicFile_);
  std::string line;
  std::getline(dic, line);  // the word count
  std::set<std::string> keys;
  std::vector<std::string> forms;
  while (std::getline(dic, line)) {
    std::size_t end = line.find_first_of("\t ");
    std::string entry = line.substr(0, end);
    std::size_t slash = entry.find('/');
    std::string flags = slash == std::string::npos ? std::string() : entry.substr(slash + 1);
    if (slash != std::string::npos) entry.erase(slash);
    if (entry.empty()) continue;
    forms.clear();
    formsOf(toWin1252(entry), splitFlags(flags, aff.flagType), aff, forms);
    for (const std::string& form : forms) {
      std::string key = formKey(form);
      if (key.size() != length || keys.count(key)) continue;
      if (accepts(form)) keys.insert(key);
    }
  }
  return {keys.begin(), keys.end()};
}

}  // namespace vorlane::mkdata
