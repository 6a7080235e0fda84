#include "CleanText.h"

#include <array>
#include <cctype>

#include "data/DefinitionMask.h"
#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

struct Entity {
  std::string_view name;
  std::string_view text;
};
// "&" would read as a stray entity: the clean text says "et".
constexpr std::array<Entity, 6> kEntities = {{{"&lt;", ""},
                                              {"&gt;", ""},
                                              {"&amp;", "et"},
                                              {"&quot;", "'"},
                                              {"&apos;", "'"},
                                              {"&nbsp;", " "}}};

std::string withoutTags(std::string_view markup) {
  std::string out;
  out.reserve(markup.size());
  for (std::size_t i = 0; i < markup.size(); ++i) {
    char c = markup[i];
    if (c == '<') {
      std::size_t close = markup.find('>', i);
      if (close == std::string_view::npos) break;
      i = close;
      out.push_back(' ');
    } else if (c == '&') {
      bool known = false;
      for (const auto& e : kEntities) {
        if (markup.substr(i, e.name.size()) == e.name) {
          out += e.text;
          i += e.name.size() - 1;
          known = true;
          break;
        }
      }
      if (!known) out += "et";
    } else if (c == '"') {
      out.push_back('\'');
    } else if (c == '\n' || c == '\t' || c == '\r') {
      out.push_back(' ');
    } else {
      out.push_back(c);
    }
  }
  return out;
}

bool tightBefore(char c) { return c == ',' || c == '.' || c == ')' || c == ']'; }
bool spacedBefore(char c) { return c == ';' || c == ':' || c == '!' || c == '?'; }

std::string tidySpaces(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    bool space = c == ' ';
    if (space && (out.empty() || out.back() == ' ' || out.back() == '(' || out.back() == '[')) {
      continue;
    }
    if (tightBefore(c) && !out.empty() && out.back() == ' ') out.pop_back();
    if (spacedBefore(c) && !out.empty() && out.back() != ' ' && out.back() != c &&
        !std::isdigit(static_cast<unsigned char>(out.back()))) {
      out.push_back(' ');
    }
    out.push_back(c);
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Replacement of a Windows-1252 byte that cannot be stored or would be misread; nullptr
// when the byte is kept.
const char* replacementOf(unsigned char c) {
  switch (c) {
    case 0x8C:
      return "Oe";
    case 0x9C:
      return "oe";
    case 0x91:
    case 0x92:
    case 0x82:
      return "'";
    case 0x93:
    case 0x94:
    case 0x84:
      return "'";
    case 0x96:
    case 0x97:
      return "-";
    case 0x85:
      return "...";
    case 0xA0:
      return " ";
    case 0xC6:
      return "Ae";
    case 0xC7:
      return "C";
    case 0xC8:
      return "E";
    case 0xCE:
    case 0xCF:
      return "I";
    case 0xFF:
      return "y";
    default:
      break;
  }
  if (c == '#' || c == 0xA6 || c == 0xB6 || c < 0x20 || c == 0x7F) return "";
  if (!encodeStored(std::string(1, static_cast<char>(c)))) return "";
  return nullptr;
}

// Whether the full stop at `dot` closes an abbreviation rather than a sentence: a short
// capitalised word ("Fig.", "J.", "Absol."), a word of one or two letters ("p.", "sc."), or
// "voy.".
bool endsWithAbbreviation(const std::string& text, std::size_t dot) {
  if (text[dot] != '.') return false;
  std::size_t start = text.find_last_of(" (", dot - 1);
  start = start == std::string::npos ? 0 : start + 1;
  std::size_t length = dot - start;
  bool capitalised = text[start] >= 'A' && text[start] <= 'Z';
  bool reference = text.compare(start, length, "voy") == 0;
  return length > 0 && (length <= 2 || reference || (length <= 5 && capitalised));
}

}  // namespace

std::string cleanMarkup(std::string_view markup) { return tidySpaces(withoutTags(markup)); }

std::string storableText(std::string_view utf8) {
  std::string out;
  for (char ch : toWin1252(utf8)) {
    auto c = static_cast<unsigned char>(ch);
    if (const char* replacement = replacementOf(c)) {
      out += replacement;
    } else {
      out.push_back(ch);
    }
  }
  return tidySpaces(out);
}

std::vector<std::string> sentencesOf(const std::string& text) {
  std::vector<std::string> sentences;
  std::size_t start = 0;
  int depth = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    depth += (text[i] == '(' || text[i] == '[') ? 1 : 0;
    depth -= (depth > 0 && (text[i] == ')' || text[i] == ']')) ? 1 : 0;
    bool end = (text[i] == '.' || text[i] == '!' || text[i] == '?') && text[i + 1] == ' ';
    if (end && depth == 0 && !endsWithAbbreviation(text, i)) {
      sentences.push_back(text.substr(start, i + 1 - start));
      start = i + 2;
    }
  }
  if (start < text.size()) sentences.push_back(text.substr(start));
  return sentences;
}

std::vector<std::string> plainWordsOf(std::string_view utf8) {
  std::string text;
  for (char ch : toWin1252(utf8)) {
    auto c = static_cast<unsigned char>(ch);
    if (c == 0x8C || c == 0x9C) {
      text += "oe";
    } else {
      text.push_back(ch);
    }
  }
  std::string plain = maskKey(text);
  std::vector<std::string> words;
  std::string word;
  for (char ch : plain + ' ') {
    if (ch >= 'A' && ch <= 'Z') {
      word.push_back(ch);
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

bool isBalanced(std::string_view text) {
  int round = 0;
  int square = 0;
  for (char c : text) {
    round += c == '(' ? 1 : c == ')' ? -1 : 0;
    square += c == '[' ? 1 : c == ']' ? -1 : 0;
    if (round < 0 || square < 0) return false;
  }
  return round == 0 && square == 0;
}

std::string asSentence(std::string text) {
  if (text.empty()) return text;
  auto first = static_cast<unsigned char>(text[0]);
  if (first >= 'a' && first <= 'z') {
    text[0] = static_cast<char>(first - 32);
  } else if (first == 0xC3 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0xA0 &&
             static_cast<unsigned char>(text[1]) <= 0xBE) {
    text[1] = static_cast<char>(static_cast<unsigned char>(text[1]) - 0x20);
  }
  char last = text.back();
  if (last != '.' && last != '!' && last != '?' && last != ')' && last != '"') text += '.';
  return text;
}

std::string cutAtSentence(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::string kept;
  for (const std::string& sentence : sentencesOf(text)) {
    std::size_t size = kept.empty() ? sentence.size() : kept.size() + 1 + sentence.size();
    if (size > limit) break;
    kept += kept.empty() ? sentence : " " + sentence;
  }
  if (!kept.empty()) return kept;
  std::string head = text.substr(0, limit);
  for (char mark : {';', ','}) {
    std::size_t at = head.rfind(mark);
    if (at != std::string::npos && at >= 12 && isBalanced(head.substr(0, at))) {
      head = head.substr(0, at);
      while (!head.empty() && head.back() == ' ') head.pop_back();
      return head + ".";
    }
  }
  std::size_t space = text.rfind(' ', limit - 3);
  if (space == std::string::npos || space == 0) space = limit - 3;
  head = text.substr(0, space);
  std::size_t open = head.find_last_of("([");
  if (!isBalanced(head) && open != std::string::npos && open > 0) {
    head = head.substr(0, open);
    while (!head.empty() && head.back() == ' ') head.pop_back();
  }
  return head + "...";
}

std::string withoutParentheses(const std::string& text) {
  std::string out;
  int depth = 0;
  for (char c : text) {
    depth += c == '(' ? 1 : 0;
    if (depth == 0) out.push_back(c);
    depth -= (c == ')' && depth > 0) ? 1 : 0;
  }
  return out;
}

}  // namespace vorlane::mkdata
