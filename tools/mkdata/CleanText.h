#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

// Plain text of a piece of dictionary mark-up (UTF-8 in, UTF-8 out): tags removed,
// entities resolved, white space collapsed to single spaces, no space before ",", ".",
// ")" or "]" nor after "(" or "[", one space before ";", ":", "!" and "?" as French
// typography wants, double quotes turned into apostrophes (a double quote is the game's
// marker of a quoted passage).
std::string cleanMarkup(std::string_view markup);

// A clean UTF-8 text as Windows-1252 bytes that the definitions file can store and the
// game shows as written: typographic signs and ligatures spelled with plain characters
// (œ → oe, "…" → "...", dashes → "-"), capitals the stored set lacks given without their
// accent (Ç → C), and the bytes "#", 166 and 255 never present.
std::string storableText(std::string_view utf8);

// The sentences of a text: each ends at ".", "!" or "?" followed by a space, outside
// parentheses and brackets, except the full stop of an abbreviation ("Fig.", "J.", "voy.").
std::vector<std::string> sentencesOf(const std::string& text);

// The words of a UTF-8 text in plain form (upper case A–Z, accents removed, capitals
// included, "œ" as "OE"), split at every other character.
std::vector<std::string> plainWordsOf(std::string_view utf8);

// Whether every "(" and "[" of the text is closed, and none is closed before it opens.
bool isBalanced(std::string_view text);

// The text with a capital first letter and ended by a full stop when it has no final
// punctuation (UTF-8).
std::string asSentence(std::string text);

// The text cut at a sentence end so that it holds at most `limit` bytes; when even the
// first sentence is longer, cut at the last ";" or "," (ended by a full stop), or at the
// last space (ended by "...").
std::string cutAtSentence(const std::string& text, std::size_t limit);

// The text outside its parentheses, nested ones included (an unclosed one runs to the end).
std::string withoutParentheses(const std::string& text);

}  // namespace vorlane::mkdata
