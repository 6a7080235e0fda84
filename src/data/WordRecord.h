#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

// File names of the word data.
inline constexpr std::string_view kWordFile = "Azl.666";      // dictionary spellings
inline constexpr std::string_view kAnagramFile = "Azlana.666";  // plain forms, levels, links
inline constexpr std::string_view kLetterIndexFile = "Prefn.666";

// The 14-byte record shared by "Azl.666" and "Azlana.666"; a word has the same record
// number in both files. Numbers are big-endian.
inline constexpr std::size_t kWordRecordSize = 14;
inline constexpr std::size_t kMaxStoredLetters = 8;
// "Prefn.666": 2-byte big-endian records; letter c at (c − 25), the appendix start at 3.
inline constexpr std::size_t kLetterIndexRecordSize = 2;
inline constexpr int kAppendixStartRecord = 3;
inline constexpr int kLetterIndexOffset = 25;

struct WordRecord {
  std::string stored;              // the stored spelling, Mac OS Roman bytes (0..8)
  std::uint8_t levelOrKind = 0;    // "Azlana.666": level; "Azl.666": kind
  std::uint32_t linkOrAddress = 0; // "Azlana.666": link; "Azl.666": definition address

  // Decodes 14 bytes; a length byte above 8 is taken as 8.
  static WordRecord decode(std::string_view bytes);
  std::string encode() const;
  // plainForm of the displayForm of the stored letters: the key of every word search.
  std::string key() const;
  std::string display() const;
};

}  // namespace vorlane
