#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorlane::mkdata {

inline constexpr int kWaveSampleRate = 22050;
inline constexpr std::size_t kWaveHeaderSize = 44;

// A RIFF WAVE file of PCM 16-bit mono samples: the 44-byte canonical header (a "fmt "
// chunk of 16 bytes, then the "data" chunk), all numbers little-endian.
std::string encodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace vorlane::mkdata
