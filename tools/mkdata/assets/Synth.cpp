#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vorlane::mkdata {

namespace {

constexpr double kReleaseSeconds = 0.015;
constexpr double kOnsetSeconds = 0.0015;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

Synth::Synth(double seconds, int sampleRate)
    : sampleRate_(sampleRate),
      mix_(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0) {}

double Synth::envelope(const Tone& tone, double t) const {
  double level = t < tone.attack ? t / tone.attack : std::exp(-tone.decay * (t - tone.attack));
  const double left = tone.length - t;
  if (left < kReleaseSeconds) level *= std::max(0.0, left / kReleaseSeconds);
  return level;
}

void Synth::add(const Tone& tone) {
  const auto first = static_cast<std::size_t>(std::lround(tone.start * sampleRate_));
  const auto count = static_cast<std::size_t>(std::lround(tone.length * sampleRate_));
  const double endFrequency = tone.endFrequency > 0.0 ? tone.endFrequency : tone.frequency;
  double phase = 0.0;
  for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
    const double t = static_cast<double>(i) / sampleRate_;
    double value = 0.0;
    for (const Partial& p : tone.partials) value += p.weight * std::sin(p.ratio * phase);
    mix_[first + i] += tone.amplitude * envelope(tone, t) * value;

    double frequency = tone.frequency + (endFrequency - tone.frequency) * (t / tone.length);
    frequency *= 1.0 + tone.vibratoDepth * std::sin(kTwoPi * tone.vibratoRate * t);
    phase += kTwoPi * frequency / sampleRate_;
  }
}

void Synth::addNoise(double start, double length, double amplitude, double decay) {
  const auto first = static_cast<std::size_t>(std::lround(start * sampleRate_));
  const auto count = static_cast<std::size_t>(std::lround(length * sampleRate_));
  double previous = 0.0;
  for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
    // A 32-bit linear congruential generator: the same sequence on every platform.
    noiseState_ = noiseState_ * 1664525u + 1013904223u;
    const double white = static_cast<double>(noiseState_ >> 8) / 8388608.0 - 1.0;
    const double t = static_cast<double>(i) / sampleRate_;
    mix_[first + i] += amplitude * std::exp(-decay * t) * (white - previous) * 0.5;
    previous = white;
  }
}

std::vector<std::int16_t> Synth::render(double peak) const {
  double loudest = 0.0;
  for (double v : mix_) loudest = std::max(loudest, std::abs(v));
  const double scale = loudest > 0.0 ? peak * 32767.0 / loudest : 0.0;
  const auto onset = static_cast<std::size_t>(kOnsetSeconds * sampleRate_);
  const auto fade = static_cast<std::size_t>(kReleaseSeconds * sampleRate_);
  std::vector<std::int16_t> samples(mix_.size());
  for (std::size_t i = 0; i < mix_.size(); ++i) {
    double gain = scale;
    const std::size_t left = mix_.size() - i;
    if (i < onset) gain *= static_cast<double>(i) / static_cast<double>(onset);
    if (left < fade) gain *= static_cast<double>(left) / static_cast<double>(fade);
    const double v = std::clamp(mix_[i] * gain, -32767.0, 32767.0);
    samples[i] = static_cast<std::int16_t>(std::lround(v));
  }
  return samples;
}

}  // namespace vorlane::mkdata
