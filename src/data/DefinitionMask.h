#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The short form of a definition text (Windows-1252), which must not give the answer
// away: every passage between double quotes, quotes included, becomes `"..."` (an opening
// quote without a closing one drops the rest of the text); then every occurrence of the
// headword's plain form in the text's plain form, whatever the accents and case, becomes
// six dots at the same place in the text.
// The key the mask compares: the plain form with the accented capitals folded too, one
// byte for one byte (plainForm keeps "É" as it is, so "Épurer" or "L'Église" at a sentence
// start would escape the mask).
std::string maskKey(std::string_view text);

std::string maskDefinition(std::string_view headword, std::string_view text);

}  // namespace vorlane
