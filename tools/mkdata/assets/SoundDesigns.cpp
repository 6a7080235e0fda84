#include <cmath>
#include <string_view>

#include "Assets.h"
#include "FileBytes.h"
#include "Synth.h"
#include "WaveFile.h"

namespace vorlane::mkdata {

namespace {

// Equal-tempered pitch, in semitones from A4 (440 Hz).
double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

constexpr int C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, B6 = 26, G4 = -2, Eb4 = -6;

const std::vector<Partial> kBell{{1.0, 1.0}, {2.0, 0.35}, {3.0, 0.12}};
const std::vector<Partial> kSoft{{1.0, 1.0}, {2.0, 0.2}, {3.0, 0.11}, {5.0, 0.04}};
const std::vector<Partial> kReed{{1.0, 1.0}, {2.0, 0.5}, {3.0, 0.3}, {4.0, 0.2}};
const std::vector<Partial> kBrass{{1.0, 1.0},  {2.0, 0.55}, {3.0, 0.38},
                                  {4.0, 0.25}, {5.0, 0.17}, {6.0, 0.1}};

void save(const std::filesystem::path& folder, std::string_view name, const Synth& synth,
          double peak) {
  writeFileBytes(folder / name, encodeWave(synth.render(peak), kWaveSampleRate));
}

// Warning beep, heard every second of the last seconds: short and not too loud.
Synth warningBeep() {
  Synth s(0.16, kWaveSampleRate);
  s.add({.length = 0.14,
         .frequency = note(C6),
         .attack = 0.004,
         .decay = 6.0,
         .partials = {{1.0, 1.0}, {3.0, 0.25}, {5.0, 0.08}}});
  return s;
}

// A dry click: a falling blip over a burst of bright noise.
Synth click() {
  Synth s(0.05, kWaveSampleRate);
  s.add({.length = 0.045,
         .frequency = 1800.0,
         .endFrequency = 900.0,
         .attack = 0.001,
         .decay = 110.0,
         .partials = {{1.0, 1.0}, {2.4, 0.4}}});
  s.addNoise(0.0, 0.015, 0.6, 300.0);
  return s;
}

// Refusal: two reedy notes falling a major third.
Synth refusal() {
  Synth s(0.38, kWaveSampleRate);
  s.add({.length = 0.13, .frequency = note(G4), .attack = 0.004, .decay = 6.0, .partials = kReed});
  s.add({.start = 0.13,
         .length = 0.24,
         .frequency = note(Eb4),
         .attack = 0.004,
         .decay = 7.0,
         .partials = kReed});
  return s;
}

// A low gong with inharmonic partials and a slow shimmer.
Synth lowGong() {
  Synth s(1.6, kWaveSampleRate);
  s.add({.length = 1.58,
         .frequency = 98.0,
         .attack = 0.004,
         .decay = 2.5,
         .vibratoDepth = 0.003,
         .vibratoRate = 5.0,
         .partials = {{1.0, 1.0}, {2.0, 0.6}, {2.76, 0.45}, {4.07, 0.25}, {5.4, 0.15}}});
  s.addNoise(0.0, 0.03, 0.3, 120.0);
  return s;
}

// End of a draw: three bells falling G5, E5, C5.
Synth drawEnd() {
  Synth s(0.85, kWaveSampleRate);
  s.add({.length = 0.35, .frequency = note(G5), .decay = 7.0, .partials = kBell});
  s.add({.start = 0.14, .length = 0.35, .frequency = note(E5), .decay = 7.0, .partials = kBell});
  s.add({.start = 0.28, .length = 0.55, .frequency = note(C5), .decay = 5.0, .partials = kBell});
  return s;
}

// A cheerful start: a quick rising arpeggio C5, E5, G5, C6.
Synth cheerfulStart() {
  Synth s(0.62, kWaveSampleRate);
  const int steps[] = {C5, E5, G5};
  for (int i = 0; i < 3; ++i) {
    s.add({.start = 0.08 * i,
           .length = 0.12,
           .frequency = note(steps[i]),
           .decay = 8.0,
           .partials = kSoft});
  }
  s.add({.start = 0.24, .length = 0.37, .frequency = note(C6), .decay = 4.0, .partials = kSoft});
  return s;
}

// All words found: a small brass fanfare, three pick-ups and a held major chord.
Synth fanfare() {
  Synth s(1.05, kWaveSampleRate);
  for (int i = 0; i < 3; ++i) {
    s.add({.start = 0.14 * i,
           .length = 0.12,
           .frequency = note(G4),
           .attack = 0.015,
           .decay = 4.0,
           .partials = kBrass});
  }
  for (int pitch : {C5, E5, G5}) {
    s.add({.start = 0.42,
           .length = 0.62,
           .frequency = note(pitch),
           .amplitude = 0.7,
           .attack = 0.02,
           .decay = 1.5,
           .vibratoDepth = 0.004,
           .vibratoRate = 6.0,
           .partials = kBrass});
  }
  return s;
}

// A bright find: two quick high bells, E6 then B6.
Synth brightFind() {
  Synth s(0.33, kWaveSampleRate);
  s.add({.length = 0.15,
         .frequency = note(E6),
         .decay = 12.0,
         .partials = {{1.0, 1.0}, {2.01, 0.3}, {3.0, 0.1}}});
  s.add({.start = 0.07,
         .length = 0.25,
         .frequency = note(B6),
         .decay = 10.0,
         .partials = {{1.0, 1.0}, {2.01, 0.3}, {3.0, 0.1}}});
  return s;
}

// The joker: a playful rising wobble.
Synth wobble() {
  Synth s(0.48, kWaveSampleRate);
  s.add({.length = 0.46,
         .frequency = note(C5),
         .endFrequency = note(C6),
         .attack = 0.01,
         .decay = 3.0,
         .vibratoDepth = 0.06,
         .vibratoRate = 12.0,
         .partials = {{1.0, 1.0}, {2.0, 0.3}}});
  return s;
}

}  // namespace

void writeSounds(const std::filesystem::path& dataFolder) {
  save(dataFolder, "bip.wav", warningBeep(), 0.45);
  save(dataFolder, "btn.wav", click(), 0.55);
  save(dataFolder, "Ding.wav", refusal(), 0.55);
  save(dataFolder, "dong.wav", lowGong(), 0.75);
  save(dataFolder, "fin.wav", drawEnd(), 0.6);
  save(dataFolder, "gagne.wav", cheerfulStart(), 0.6);
  save(dataFolder, "Hi.wav", fanfare(), 0.65);
  save(dataFolder, "Inter.wav", brightFind(), 0.55);
  save(dataFolder, "joker.wav", wobble(), 0.6);
}

}  // namespace vorlane::mkdata
