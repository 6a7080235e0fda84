#pragma once

#include <string_view>

namespace vorlane::mkdata {

// Vulgar and offensive words that the game never shows, whatever the sources say.
// `key` is a plain form (upper case, no accents).
bool isKeptOut(std::string_view key);

}  // namespace vorlane::mkdata
