#include "WaveFile.h"

namespace vorlane::mkdata {

namespace {

void putLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string encodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  const auto rate = static_cast<std::uint32_t>(sampleRate);

  std::string out;
  out.reserve(kWaveHeaderSize + dataSize);
  out += "RIFF";
  putLE(out, static_cast<std::uint32_t>(kWaveHeaderSize) - 8 + dataSize, 4);
  out += "WAVEfmt ";
  putLE(out, 16, 4);
  putLE(out, 1, 2);  // PCM
  putLE(out, kChannels, 2);
  putLE(out, rate, 4);
  putLE(out, rate * kChannels * kBytesPerSample, 4);
  putLE(out, kChannels * kBytesPerSample, 2);
  putLE(out, 8 * kBytesPerSample, 2);
  out += "data";
  putLE(out, dataSize, 4);
  for (std::int16_t s : samples) putLE(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace vorlane::mkdata
