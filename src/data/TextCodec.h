#pragma once

#include <optional>
#include <string>
#include <string_view>

// Game text is Windows-1252 bytes in std::string everywhere in the core.
// Stored words and definitions are Mac OS Roman bytes; only src/data/ sees them.
namespace vorlane {

// Converts a UTF-8 literal of the sources to Windows-1252 bytes. Characters that
// Windows-1252 cannot hold become '?', and so does each run of bytes that is no UTF-8 (an
// overlong form, a sequence cut short). This is the one way French literals enter the core.
std::string toWin1252(std::string_view utf8);

// The twin of toWin1252, for tools and tests that print or compare game text.
std::string win1252ToUtf8(std::string_view win1252);

// Display text (Windows-1252) of one stored byte: one character, or two for the
// ligatures 206 ("Oe") and 207 ("oe"). Bytes outside the table pass through unchanged.
std::string decodeStoredByte(unsigned char stored);

// Display text of a stored spelling, byte by byte through decodeStoredByte.
std::string displayForm(std::string_view stored);

// Comparison key of every word search: upper case, accents removed (è é ê ë give E,
// ç C, ô ö O, ù û ü U, à â ä á A, î ï I, ñ N); any other character keeps its upper-case
// form, so a capital É stays É. One byte in, one byte out.
std::string plainForm(std::string_view display);

// What a character typed into a player's name becomes: a letter of Windows-1252 in capitals,
// accents kept (é gives É, œ Œ; ß stays), or a blank; nothing for any other character.
std::optional<char> nameCharacter(char typed);

// Stored bytes whose decodeStoredByte gives back exactly `display`, or nothing when a
// character cannot be stored so (a data-set writer refuses such a text).
std::optional<std::string> encodeStored(std::string_view display);

}  // namespace vorlane
