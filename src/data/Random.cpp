#include "data/Random.h"

#include <chrono>

namespace vorlane {

void Random::seedFromClock() {
  // The clock's low bits change between any two starts.
  const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::uint32_t>(ticks));
}

std::int64_t Random::uniform(std::int64_t lo, std::int64_t hi) {
  if (hi <= lo) return lo;
  return std::uniform_int_distribution<std::int64_t>(lo, hi)(engine_);
}

}  // namespace vorlane
