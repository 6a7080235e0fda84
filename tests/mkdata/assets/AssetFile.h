#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Reading back the bytes the asset writers produced.
namespace vorlane::test {

inline std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The unsigned little-endian number of `size` bytes at `offset`.
inline std::uint32_t littleEndian(const std::string& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value =
        (value << 8) | static_cast<unsigned char>(bytes.at(offset + static_cast<std::size_t>(i)));
  }
  return value;
}

}  // namespace vorlane::test
