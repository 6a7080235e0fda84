#include "data/DefinitionMask.h"

#include "data/TextCodec.h"

namespace vorlane {
namespace {

constexpr char kQuote = '"';
constexpr std::string_view kHiddenQuote = "\"...\"";
// Words of the game have six letters: an occurrence is hidden by six characters.
constexpr std::string_view kHiddenWord = "......";

std::string hideQuotedPassages(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  // Runs to the end of the text; a quote left open drops the rest.
  for (std::size_t pos = 0;;) {
    std::size_t open = text.find(kQuote, pos);
    if (open == std::string_view::npos) {
      out += text.substr(pos);
      break;
    }
    out += text.substr(pos, open - pos);
    std::size_t close = text.find(kQuote, open + 1);
    if (close == std::string_view::npos) break;
    out += kHiddenQuote;
    pos = close + 1;
  }
  return out;
}

}  // namespace

std::string maskKey(std::string_view text) {
  std::string key = plainForm(text);
  for (char& ch : key) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 0xC0 && c <= 0xC5) ch = 'A';
    else if (c == 0xC7) ch = 'C';
    else if (c >= 0xC8 && c <= 0xCB) ch = 'E';
    else if (c >= 0xCC && c <= 0xCF) ch = 'I';
    else if (c == 0xD1) ch = 'N';
    else if (c >= 0xD2 && c <= 0xD6) ch = 'O';
    else if (c >= 0xD9 && c <= 0xDC) ch = 'U';
  }
  return key;
}

namespace {

// maskKey keeps one byte for one byte, so a position in `plain` is the same position in
// `text`; the dots take the six letters' place. The scan goes on after each word.
void hideWord(std::string_view headword, std::string& text) {
  const std::string word = maskKey(headword);
  if (word.empty()) return;
  const std::string plain = maskKey(text);
  for (std::size_t at = plain.find(word); at != std::string::npos;
       at = plain.find(word, at + word.size())) {
    text.replace(at, kHiddenWord.size(), kHiddenWord);
  }
}

}  // namespace

std::string maskDefinition(std::string_view headword, std::string_view text) {
  std::string masked = hideQuotedPassages(text);
  hideWord(headword, masked);
  return masked;
}

}  // namespace vorlane
