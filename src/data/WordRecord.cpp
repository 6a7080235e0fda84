#include "data/WordRecord.h"

#include <algorithm>

#include "data/TextCodec.h"

namespace vorlane {

WordRecord WordRecord::decode(std::string_view bytes) {
  WordRecord r;
  if (bytes.size() < kWordRecordSize) return r;
  std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[0]), kMaxStoredLetters);
  r.stored = std::string(bytes.substr(1, length));
  r.levelOrKind = static_cast<std::uint8_t>(bytes[9]);
  for (std::size_t i = 10; i < 14; ++i) {
    r.linkOrAddress = (r.linkOrAddress << 8) | static_cast<unsigned char>(bytes[i]);
  }
  return r;
}

std::string WordRecord::encode() const {
  std::string bytes(kWordRecordSize, '\0');
  std::size_t length = std::min(stored.size(), kMaxStoredLetters);
  bytes[0] = static_cast<char>(length);
  std::copy_n(stored.begin(), length, bytes.begin() + 1);
  bytes[9] = static_cast<char>(levelOrKind);
  for (int i = 0; i < 4; ++i) {
    bytes[static_cast<std::size_t>(13 - i)] = static_cast<char>((linkOrAddress >> (8 * i)) & 0xFF);
  }
  return bytes;
}

std::string WordRecord::key() const { return plainForm(displayForm(stored)); }

std::string WordRecord::display() const { return displayForm(stored); }

}  // namespace vorlane
