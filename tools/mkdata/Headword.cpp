#include "Headword.h"

#include "data/TextCodec.h"

namespace vorlane::mkdata {
namespace {

// Lower case of a Windows-1252 capital letter (A–Z, À–Þ, Œ); other bytes unchanged.
char lowerOf(char ch) {
  auto c = static_cast<unsigned char>(ch);
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
    return static_cast<char>(c + 32);
  }
  if (c == 0x8C) return static_cast<char>(0x9C);
  return ch;
}

bool isLetter(char ch) {
  auto c = static_cast<unsigned char>(ch);
  return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || c == 0x9C;
}

// The lower-case word, or nothing when it holds anything but letters.
std::optional<std::string> wordOf(std::string_view utf8) {
  std::string word = toWin1252(utf8);
  for (char& c : word) {
    c = lowerOf(c);
    if (!isLetter(c)) return std::nullopt;
  }
  if (word.empty()) return std::nullopt;
  return word;
}

std::string feminineOf(const std::string& masculine, const std::string& ending) {
  std::string plainMasculine = plainForm(masculine);
  std::string plainEnding = plainForm(ending);
  bool wholeWord = ending.size() >= masculine.size() && plainMasculine.size() >= 2 &&
                   plainEnding.compare(0, 2, plainMasculine, 0, 2) == 0;
  if (wholeWord) return ending;
  std::size_t from = plainMasculine.rfind(plainEnding[0]);
  if (from == std::string::npos) return {};
  return masculine.substr(0, from) + ending;
}

}  // namespace

std::optional<Headword> parseHeadword(std::string_view indexName) {
  std::string_view name = indexName;
  std::size_t dot = name.rfind('.');
  if (dot != std::string_view::npos && dot + 1 < name.size() &&
      name.find_first_not_of("0123456789", dot + 1) == std::string_view::npos) {
    name = name.substr(0, dot);
  }
  std::size_t comma = name.find(", ");
  auto masculine = wordOf(name.substr(0, comma));
  if (!masculine) return std::nullopt;
  Headword headword{*masculine, {}};
  if (comma != std::string_view::npos) {
    auto ending = wordOf(name.substr(comma + 2));
    if (!ending) return std::nullopt;
    headword.feminine = feminineOf(*masculine, *ending);
  }
  return headword;
}

std::string lowerCase(std::string_view win1252) {
  std::string out(win1252);
  for (char& c : out) c = lowerOf(c);
  return out;
}

int accentCount(std::string_view win1252) {
  int count = 0;
  for (char c : win1252) count += static_cast<unsigned char>(c) >= 0x80 ? 1 : 0;
  return count;
}

}  // namespace vorlane::mkdata
