// The acceptance suite's knowledge of the word data, read through the game's own core: the
// words of the word list spelt with the given letters, one plain form a line, the way a
// player who knows the dictionary would type them.
//
//   acceptance_answers <program folder> <letters>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "data/WordCursor.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <program folder> <letters>\n", argv[0]);
    return 2;
  }
  const vorlane::DataFolder folder{std::filesystem::path(argv[1])};
  std::string letters = vorlane::plainForm(argv[2]);
  std::sort(letters.begin(), letters.end());
  std::set<std::string> words;
  try {
    vorlane::WordCursor cursor(folder, vorlane::kWordFile);
    for (std::int64_t n = 0; n < cursor.count(); ++n) {
      std::string key = cursor.at(n).key();
      std::string sorted = key;
      std::sort(sorted.begin(), sorted.end());
      if (sorted == letters) words.insert(key);
    }
  } catch (const vorlane::IoError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  for (const std::string& word : words) std::printf("%s\n", word.c_str());
  return 0;
}
