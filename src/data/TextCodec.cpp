#include "data/TextCodec.h"

#include <array>

namespace vorlane {
namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F (0 = undefined).
constexpr std::array<char32_t, 32> kC1 = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOf(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kC1[b - 0x80];
  return b;
}

std::optional<unsigned char> win1252Of(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kC1.size(); ++i) {
    if (kC1[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// Stored byte -> display text for the bytes that do not pass through (Mac OS Roman,
// reduced as the game shows it). Windows-1252 bytes written as escapes.
struct StoredGlyph {
  unsigned char stored;
  const char* display;
};
constexpr std::array<StoredGlyph, 32> kStoredGlyphs = {{
    {131, "\xC9"}, {135, "\xE1"}, {136, "\xE0"}, {137, "\xE2"}, {138, "\xE4"}, {139, "a"},
    {140, "a"},    {141, "\xE7"}, {142, "\xE9"}, {143, "\xE8"}, {144, "\xEA"}, {145, "\xEB"},
    {146, "i"},    {147, "i"},    {148, "\xEE"}, {149, "\xEF"}, {150, "\xF1"}, {151, "o"},
    {152, "o"},    {153, "\xF4"}, {154, "\xF6"}, {155, "o"},    {156, "u"},    {157, "\xF9"},
    {158, "\xFB"}, {159, "\xFC"}, {164, "\xA7"}, {165, "\xA4"}, {166, "\xB6"}, {199, "\xAB"},
    {200, "\xBB"}, {206, "Oe"},
}};
constexpr StoredGlyph kSmallLigature = {207, "oe"};

const char* glyphOf(unsigned char stored) {
  if (stored == kSmallLigature.stored) return kSmallLigature.display;
  for (const auto& g : kStoredGlyphs) {
    if (g.stored == stored) return g.display;
  }
  return nullptr;
}

// Upper case of one Windows-1252 character, as the platform's locale rules give it.
unsigned char upperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

// A letter of Windows-1252: A-Z, a-z, Š Œ Ž š œ ž Ÿ, and À..ÿ without × and ÷.
bool isLetter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: return true;
    case 0xD7: case 0xF7: return false;
    default: return c >= 0xC0;
  }
}

// Bare letter of the accented small letters that plainForm folds, else 0.
char bareLetterOf(unsigned char c) {
  switch (c) {
    case 0xE8: case 0xE9: case 0xEA: case 0xEB: return 'E';
    case 0xE7: return 'C';
    case 0xF4: case 0xF6: return 'O';
    case 0xF9: case 0xFB: case 0xFC: return 'U';
    case 0xE0: case 0xE2: case 0xE4: case 0xE1: return 'A';
    case 0xEE: case 0xEF: return 'I';
    case 0xF1: return 'N';
    default: return 0;
  }
}

}  // namespace

std::optional<char> nameCharacter(char typed) {
  const auto c = static_cast<unsigned char>(typed);
  if (c == ' ') return ' ';
  if (!isLetter(c)) return std::nullopt;
  return static_cast<char>(upperOf(c));
}

namespace {

// How many bytes the UTF-8 sequence that `lead` starts holds, or 0 for a byte that starts
// none: a continuation byte, 0xC0 and 0xC1 (which only start overlong forms of ASCII), and
// the leads past U+10FFFF.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 0;
}

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::string toWin1252(std::string_view utf8) {
  // The least code point of a sequence of each length: a longer form is overlong.
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = sequenceLength(lead);
    std::size_t taken = 1;
    while (taken < length && i + taken < utf8.size() && isContinuation(utf8[i + taken])) ++taken;
    i += taken;
    // A byte that starts nothing, or a sequence cut short, is one "?"; the byte after it
    // starts afresh.
    if (taken < length || length == 0) {
      out.push_back('?');
      continue;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = i - length + 1; k < i; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[k]) & 0x3F);
    const auto w = cp < kLeast[length] ? std::nullopt : win1252Of(cp);
    out.push_back(w ? static_cast<char>(*w) : '?');
  }
  return out;
}

std::string win1252ToUtf8(std::string_view win1252) {
  std::string out;
  out.reserve(win1252.size() + win1252.size() / 4);
  for (char ch : win1252) {
    char32_t cp = codePointOf(static_cast<unsigned char>(ch));
    if (cp == 0) cp = 0xFFFD;
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::string decodeStoredByte(unsigned char stored) {
  if (const char* glyph = glyphOf(stored)) return glyph;
  return std::string(1, static_cast<char>(stored));
}

std::string displayForm(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (char ch : stored) out += decodeStoredByte(static_cast<unsigned char>(ch));
  return out;
}

std::string plainForm(std::string_view display) {
  std::string out(display);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto original = static_cast<unsigned char>(display[i]);
    const char bare = bareLetterOf(original);
    out[i] = bare != 0 ? bare : static_cast<char>(upperOf(original));
  }
  return out;
}

std::optional<std::string> encodeStored(std::string_view display) {
  std::string out;
  out.reserve(display.size());
  for (char ch : display) {
    auto c = static_cast<unsigned char>(ch);
    std::optional<unsigned char> stored;
    if (c >= 0x80) {
      // Prefer the Mac OS Roman byte that the table shows as this character.
      for (const auto& g : kStoredGlyphs) {
        std::string_view glyph(g.display);
        if (glyph.size() == 1 && static_cast<unsigned char>(glyph[0]) == c) {
          stored = g.stored;
          break;
        }
      }
    }
    if (!stored && glyphOf(c) == nullptr) stored = c;  // passes through unchanged
    if (!stored) return std::nullopt;
    out.push_back(static_cast<char>(*stored));
  }
  return out;
}

}  // namespace vorlane
