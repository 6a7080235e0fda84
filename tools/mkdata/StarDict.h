#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane::mkdata {

// A dictionary in the StarDict layout: an index of UTF-8 headwords, each followed by the
// big-endian 32-bit offset and size of its article, and the articles in one gzip stream
// (".dict.dz" is gzip with extra seek data that a plain reader skips). Several index
// names may point at the same article (accented and unaccented spellings).
class StarDict {
 public:
  struct IndexEntry {
    std::string name;  // UTF-8, as the index writes it ("FRÉMISSANT, ANTE", "PARLER.1")
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
  };

  // Reads "<base>.idx" and "<base>.dict.dz". Throws vorlane::IoError naming the file
  // when one is missing or damaged.
  explicit StarDict(const std::filesystem::path& base);
  // An index and articles given as bytes, for tests.
  StarDict(std::string_view indexBytes, std::string articles);

  const std::vector<IndexEntry>& index() const { return index_; }
  // The article of an index entry (UTF-8 marked-up text); empty when it lies outside.
  std::string_view article(const IndexEntry& entry) const;
  // All articles, one after the other.
  std::string_view articles() const { return articles_; }

 private:
  void parseIndex(std::string_view bytes, const std::filesystem::path& file);

  std::vector<IndexEntry> index_;
  std::string articles_;
};

}  // namespace vorlane::mkdata
