#pragma once

#include <cstdint>
#include <vector>

namespace vorlane::mkdata {

// Smooth fractal value noise that repeats over the unit square. Each octave is a lattice
// of random values, indexes taken modulo the lattice, blended with a smooth step; the
// first has cellsX × cellsY cells, each further one twice the cells and half the weight.
// Its value at (u, v) equals its value at (u + 1, v) and (u, v + 1), so a picture
// sampled over one period tiles without a seam. Values lie in 0..1; the same arguments
// give the same values everywhere.
class PeriodicNoise {
 public:
  // With `ridged`, each octave is folded to |2n − 1| before the sum: sharp creases.
  PeriodicNoise(int cellsX, int cellsY, int octaves, std::uint32_t seed, bool ridged = false);

  double at(double u, double v) const;

 private:
  struct Octave {
    int cellsX;
    int cellsY;
    std::vector<double> values;
    double at(double u, double v) const;
  };

  std::vector<Octave> octaves_;
  bool ridged_;
};

}  // namespace vorlane::mkdata
