#include "PeriodicNoise.h"

#include <cmath>

namespace vorlane::mkdata {

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

std::size_t wrap(int i, int n) { return static_cast<std::size_t>(((i % n) + n) % n); }

}  // namespace

PeriodicNoise::PeriodicNoise(int cellsX, int cellsY, int octaves, std::uint32_t seed, bool ridged)
    : ridged_(ridged) {
  // A 32-bit linear congruential generator: the same lattice on every platform.
  std::uint32_t state = seed * 2654435761u + 1u;
  for (int k = 0; k < octaves; ++k) {
    Octave octave{cellsX << k, cellsY << k, {}};
    octave.values.resize(static_cast<std::size_t>(octave.cellsX * octave.cellsY));
    for (double& value : octave.values) {
      state = state * 1664525u + 1013904223u;
      value = static_cast<double>(state >> 8) / 16777215.0;
    }
    octaves_.push_back(std::move(octave));
  }
}

double PeriodicNoise::Octave::at(double u, double v) const {
  const double x = u * cellsX;
  const double y = v * cellsY;
  const int i = static_cast<int>(std::floor(x));
  const int j = static_cast<int>(std::floor(y));
  const double fx = smooth(x - i);
  const double fy = smooth(y - j);
  auto value = [this](int a, int b) {
    return values[wrap(b, cellsY) * static_cast<std::size_t>(cellsX) + wrap(a, cellsX)];
  };
  const double top = value(i, j) + (value(i + 1, j) - value(i, j)) * fx;
  const double bottom = value(i, j + 1) + (value(i + 1, j + 1) - value(i, j + 1)) * fx;
  return top + (bottom - top) * fy;
}

double PeriodicNoise::at(double u, double v) const {
  double sum = 0.0;
  double weight = 1.0;
  double total = 0.0;
  for (const Octave& octave : octaves_) {
    double n = octave.at(u, v);
    if (ridged_) n = std::abs(2.0 * n - 1.0);
    sum += weight * n;
    total += weight;
    weight *= 0.5;
  }
  return total > 0.0 ? sum / total : 0.0;
}

}  // namespace vorlane::mkdata
