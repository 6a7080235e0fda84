#include "CleanText.h"

#include <array>
#include <cctype>

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
// capitalised word ("Fig.", "J.", "Absol.") or a word of one or two letters ("p.", "sc.").
bool endsWithAbbreviation(const std::string& text, std::size_t dot) {
  if (text[dot] != '.') return false;
  std::size_t start = text.find_last_of(" (", dot - 1);
  start = start == std::string::npos ? 0 : start + 1;
  std::size_t length = dot - start;
  bool capitalised = text[start] >= 'A' && text[start] <= 'Z';
  return length > 0 && (length <= 2 || (length <= 5 && capitalised));
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
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    bool end = (text[i] == '.' || text[i] == '!' || text[i] == '?') && text[i + 1] == ' ';
    if (end && !endsWithAbbreviation(text, i)) {
      sentences.push_back(text.substr(start, i + 1 - start));
      start = i + 2;
    }
  }
  if (start < text.size()) sentences.push_back(text.substr(start));
  return sentences;
}

std::string cutAtSentence(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t best = std::string::npos;
  for (std::size_t i = 1; i < limit && i + 1 < text.size(); ++i) {
    bool end = (text[i] == '.' || text[i] == '!' || text[i] == '?') && text[i + 1] == ' ';
    if (end && i >= 12 && !endsWithAbbreviation(text, i)) best = i;
  }
  if (best != std::string::npos) return text.substr(0, best + 1);
  for (char mark : {';', ','}) {
    std::size_t at = text.rfind(mark, limit - 1);
    if (at != std::string::npos && at >= 12) {
      std::string head = text.substr(0, at);
      while (!head.empty() && head.back() == ' ') head.pop_back();
      return head + ".";
    }
  }
  std::size_t space = text.rfind(' ', limit - 3);
  if (space == std::string::npos || space == 0) space = limit - 3;
  return text.substr(0, space) + "...";
}

}  // namespace vorlane::mkdata
