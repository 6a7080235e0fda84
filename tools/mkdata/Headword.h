#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane::mkdata {

// A headword of the Littré's index in the game's spelling: Windows-1252, lower case.
struct Headword {
  std::string masculine;  // "frémissant"
  std::string feminine;   // "frémissante"; empty when the headword gives none
  bool operator==(const Headword&) const = default;
};

// Reads an index name (UTF-8 capitals): "FRÉMISSANT, ANTE", "FLEURI, IE",
// "SEC, SÈCHE", "PARLER.1" (a homograph number is dropped). The feminine is the
// masculine with its ending replaced from the last letter that opens the given ending,
// or the ending itself when it is a whole word. Names that are not a single word
// ("A GOGO", "BAS-SIÈGE", "-AGE", "TREZAILLER (SE)") give nothing.
std::optional<Headword> parseHeadword(std::string_view indexName);

// Lower case of a Windows-1252 text (A–Z, À–Þ, Œ); other bytes unchanged.
std::string lowerCase(std::string_view win1252);

// Number of accented characters of a Windows-1252 text: of two index names of one
// article, the one with more accents is the dictionary spelling.
int accentCount(std::string_view win1252);

}  // namespace vorlane::mkdata
