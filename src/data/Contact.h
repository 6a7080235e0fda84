#pragma once

#include <string_view>

// The game's support address and telephone number, named in the start-up failure
// message and in the contact lines. The domain is reserved for examples and the number
// lies in the French range kept for fiction.
namespace vorlane {

inline constexpr std::string_view kSupportEmail = "support@vorlane.example.org";
inline constexpr std::string_view kSupportPhone = "01 99 00 12 34";
inline constexpr std::string_view kWebAddress = "https://vorlane.example.org/";

}  // namespace vorlane
