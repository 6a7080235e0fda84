#include "BenchData.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <set>

#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane::bench {
namespace {

constexpr int kWords = 10000;
constexpr int kClasses = 500;

std::string randomWord(std::mt19937& rng) {
  static const std::string letters = "AAABCDEEEEFGHIIIJLLMNNOOPQRRSSSTTUUV";
  std::string w(6, 'A');
  for (char& c : w) c = letters[rng() % letters.size()];
  return w;
}

std::vector<DataSetWord> makeWords() {
  std::mt19937 rng(1234);
  std::set<std::string> used;
  std::vector<DataSetWord> words;
  int anagramWords = 0;
  for (int c = 0; c < kClasses; ++c) {
    std::string base = randomWord(rng);
    int size = 2 + static_cast<int>(rng() % 3);
    for (int k = 0; k < size * 4 && size > 0; ++k) {
      std::shuffle(base.begin(), base.end(), rng);
      std::string lower = base;
      std::transform(lower.begin(), lower.end(), lower.begin(),
                     [](char ch) { return static_cast<char>(ch + 32); });
      if (!used.insert(base).second) continue;
      words.push_back({lower, static_cast<std::uint8_t>(rng() % 7), c, false, 1, 0});
      --size;
      ++anagramWords;
    }
  }
  while (static_cast<int>(words.size()) < kWords) {
    std::string w = randomWord(rng);
    if (!used.insert(w).second) continue;
    std::string lower = w;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char ch) { return static_cast<char>(ch + 32); });
    words.push_back({lower, static_cast<std::uint8_t>(1 + rng() % 6), -1, false, 1, 0});
  }
  return words;
}

BenchData build() {
  BenchData data;
  data.programFolder = fs::temp_directory_path() / "vorlane-bench-data";
  fs::remove_all(data.programFolder);
  fs::create_directories(data.programFolder / "Zari666");
  data.ordered = orderWords(makeWords());
  writeWordFiles(data.programFolder / "Zari666", data.ordered);
  std::ofstream(data.programFolder / "Zari666" / "Prefint.666", std::ios::binary)
      << std::string(1600, '\0');
  for (const auto& w : data.ordered) data.plainWords.push_back(plainForm(w.spelling));
  return data;
}

}  // namespace

const BenchData& benchData() {
  static const BenchData data = build();
  return data;
}

}  // namespace vorlane::bench
