#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFolder.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Random.h"
#include "data/TextCodec.h"
#include "data/WordLists.h"
#include "data/WordRecord.h"

// The three word files as the game reads them: the word searches, the anagram sets with
// and without proper nouns, and both draws followed by the set of the word drawn, as a
// draw does. Input: "Azl.666", "Azlana.666", "Prefn.666" and a word, split by the marker.
namespace vorlane::fuzz {
namespace {

void readWord(const WordLists& words, const std::string& word) {
  try {
    words.findWord(word);
    words.isProperNounOnly(word);
    AnagramSet set;
    for (bool noProperNouns : {false, true}) {
      const int count = words.loadAnagramSet(word, set, noProperNouns);
      if (count < 0 || count > static_cast<int>(kAnagramSetSize)) broken("set count out of range");
    }
  } catch (const IoError&) {
  }
}

}  // namespace
}  // namespace vorlane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlane;
  static const fuzz::FuzzFolder folder;
  const auto parts = fuzz::splitInput(data, size, 4);
  folder.writeData(kWordFile, parts[0]);
  folder.writeData(kAnagramFile, parts[1]);
  folder.writeData(kLetterIndexFile, parts[2]);
  const DataFolder dataFolder(folder.path());
  int warnings = 0;
  const WordLists words(dataFolder, [&](const std::string&) { ++warnings; });

  fuzz::readWord(words, plainForm(parts[3].substr(0, kMaxStoredLetters)));
  Random random(static_cast<std::uint32_t>(size));
  for (int level = 1; level <= 6; ++level) {
    try {
      fuzz::readWord(words, words.drawSingleWord(level, level > 4, level % 2 == 0, random));
      fuzz::readWord(words, words.drawAnagramWord(random));
    } catch (const IoError&) {
    }
  }
  if (warnings > 1) fuzz::broken("the chain warning showed more than once in a draw");
  return 0;
}
