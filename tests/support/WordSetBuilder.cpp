#include "support/WordSetBuilder.h"

#include <fstream>

#include "data/DefinitionWriter.h"
#include "data/TextCodec.h"

namespace vorlane::test {

WordSetBuilder& WordSetBuilder::word(const std::string& utf8Spelling, std::uint8_t level,
                                     int anagramClass, const std::string& utf8Definition) {
  DataSetWord w;
  w.spelling = toWin1252(utf8Spelling);
  w.level = level;
  w.anagramClass = anagramClass;
  words_.push_back(w);
  if (!utf8Definition.empty()) definitions_[w.spelling] = toWin1252(utf8Definition);
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
  if (!definitions_.empty()) {
    DefinitionWriter writer(folder / "Dicx.666");
    for (std::size_t i = 0; i < ordered.size(); ++i) {
      auto found = definitions_.find(ordered[i].spelling);
      if (found == definitions_.end()) continue;
      ordered[i].kind = 1;
      ordered[i].definitionAddress = writer.appendScrambled(
          static_cast<std::int32_t>(i), {ordered[i].spelling, "n. m.", found->second});
    }
  }
  writeWordFiles(folder, ordered);
  return ordered;
}

std::vector<DataSetWord> WordSetBuilder::writeComplete(const std::filesystem::path& folder) const {
  auto ordered = write(folder);
  if (definitions_.empty()) std::ofstream(folder / "Dicx.666", std::ios::binary) << '#';
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
