#include "KeptOut.h"

#include <algorithm>
#include <array>

namespace vorlane::mkdata {
namespace {

// Plain forms, sorted.
constexpr std::array<std::string_view, 19> kKeptOut = {
    "BICOTS", "BORDEL", "BRANLE", "CHIANT", "CHIEUR", "ENCULE", "FIOTTE",
    "FOUTRE", "GOUINE", "NEGRES", "NICHON", "NIQUER", "PEDALE", "PISSER",
    "PUTAIN", "SALAUD", "SALOPE", "TAPINE", "YOUPIN"};

}  // namespace

bool isKeptOut(std::string_view key) {
  return std::binary_search(kKeptOut.begin(), kKeptOut.end(), key);
}

}  // namespace vorlane::mkdata
