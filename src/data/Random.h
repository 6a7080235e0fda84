#pragma once

#include <cstdint>
#include <random>

namespace vorlane {

// The game's one random generator: uniform, seeded from the clock at start-up and at
// every draw; tests seed it with a number so that a draw gives a known word.
class Random {
 public:
  Random() { seedFromClock(); }
  explicit Random(std::uint32_t seed) : engine_(seed) {}

  void seed(std::uint32_t seed) { engine_.seed(seed); }
  void seedFromClock();
  // A whole number in lo..hi, both included; lo when hi < lo.
  std::int64_t uniform(std::int64_t lo, std::int64_t hi);

 private:
  std::mt19937 engine_;
};

}  // namespace vorlane
