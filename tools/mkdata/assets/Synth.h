#pragma once

#include <cstdint>
#include <vector>

namespace vorlane::mkdata {

// One partial of a tone: a multiple of the fundamental frequency and its weight.
struct Partial {
  double ratio = 1.0;
  double weight = 1.0;
};

// A tone of the synthesiser. Times are seconds from the start of the sound.
struct Tone {
  double start = 0.0;
  double length = 0.1;        // the tone is silent after start + length
  double frequency = 440.0;   // Hz at the start
  double endFrequency = 0.0;  // Hz at the end, gliding linearly; 0 keeps `frequency`
  double amplitude = 1.0;
  double attack = 0.005;      // seconds of linear rise
  double decay = 0.0;         // exponential fall after the attack, per second
  double vibratoDepth = 0.0;  // relative frequency swing (0.01 = 1 %)
  double vibratoRate = 0.0;   // Hz
  std::vector<Partial> partials{{1.0, 1.0}};
};

// A mono mixing buffer of a fixed length. Everything is computed from the arguments
// alone (noise from a fixed generator), so the same calls render the same samples.
class Synth {
 public:
  Synth(double seconds, int sampleRate);

  void add(const Tone& tone);
  // A burst of noise, brightened by a first difference, falling by `decay` per second.
  void addNoise(double start, double length, double amplitude, double decay);

  // The mix scaled so that its loudest sample is `peak` of full scale (0..1), faded in
  // and out over a few milliseconds so that playback starts and ends without a click.
  std::vector<std::int16_t> render(double peak) const;

 private:
  double envelope(const Tone& tone, double t) const;

  int sampleRate_;
  std::vector<double> mix_;
  std::uint32_t noiseState_ = 12345;
};

}  // namespace vorlane::mkdata
