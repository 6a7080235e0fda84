#include "support/WordSetBuilder.h"

#include <fstream>

#include "data/TextCodec.h"

namespace vorlane::test {

WordSetBuilder& WordSetBuilder::word(const std::string& utf8Spelling, std::uint8_t level,
                                     int anagramClass) {
  DataSetWord w;
  w.spelling = toWin1252(utf8Spelling);
  w.level = level;
  w.anagramClass = anagramClass;
  words_.push_back(w);
  return *this;
}

WordSetBuilder& WordSetBuilder::appendixWord(const std::string& utf8Spelling, std::uint8_t level,
                                             int anagramClass) {
  word(utf8Spelling, level, anagramClass);
  words_.back().inAppendix = true;
  return *this;
}

std::vector<DataSetWord> WordSetBuilder::write(const std::filesystem::path& folder) const {
  std::filesystem::create_directories(folder);
  auto ordered = orderWords(words_);
  writeWordFiles(folder, ordered);
  return ordered;
}

std::vector<DataSetWord> WordSetBuilder::writeComplete(const std::filesystem::path& folder) const {
  auto ordered = write(folder);
  std::ofstream(folder / "Dicx.666", std::ios::binary) << '#';
  std::ofstream(folder / "Nazniv.666", std::ios::binary) << "test";
  std::ofstream settings(folder / "Nsco.666", std::ios::binary);
  settings << std::string(4 * 400, '\0');
  return ordered;
}

int recordOf(const std::vector<DataSetWord>& ordered, const std::string& utf8Spelling) {
  std::string spelling = toWin1252(utf8Spelling);
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (ordered[i].spelling == spelling) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vorlane::test
