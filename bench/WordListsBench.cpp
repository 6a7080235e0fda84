#include <benchmark/benchmark.h>

#include "BenchData.h"
#include "data/DataFolder.h"
#include "data/Random.h"
#include "data/WordLists.h"

namespace vorlane::bench {
namespace {

struct Fixture {
  const BenchData& data = benchData();
  DataFolder folder{data.programFolder};
  WordLists words{folder};
};

void BM_findWord(benchmark::State& state) {
  Fixture f;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& w = f.data.plainWords[(i += 7919) % f.data.plainWords.size()];
    benchmark::DoNotOptimize(f.words.findWord(w));
  }
}
BENCHMARK(BM_findWord);

void BM_findWordMissing(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) benchmark::DoNotOptimize(f.words.findWord("MZZZZZ"));
}
BENCHMARK(BM_findWordMissing);

void BM_loadAnagramSet(benchmark::State& state) {
  Fixture f;
  std::vector<std::string> chained;
  for (std::size_t i = 0; i < f.data.ordered.size(); ++i) {
    if (f.data.ordered[i].anagramClass >= 0) chained.push_back(f.data.plainWords[i]);
  }
  AnagramSet set;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.words.loadAnagramSet(chained[(i += 31) % chained.size()], set, false));
  }
}
BENCHMARK(BM_loadAnagramSet);

void BM_drawSingleWordWithItsSet(benchmark::State& state) {
  Fixture f;
  Random random(7);
  AnagramSet set;
  for (auto _ : state) {
    std::string w = f.words.drawSingleWord(3, false, false, random);
    benchmark::DoNotOptimize(f.words.loadAnagramSet(w, set, false));
  }
}
BENCHMARK(BM_drawSingleWordWithItsSet);

void BM_drawAnagramWordWithItsSet(benchmark::State& state) {
  Fixture f;
  Random random(7);
  AnagramSet set;
  for (auto _ : state) {
    std::string w = f.words.drawAnagramWord(random);
    benchmark::DoNotOptimize(f.words.loadAnagramSet(w, set, false));
  }
}
BENCHMARK(BM_drawAnagramWordWithItsSet);

}  // namespace
}  // namespace vorlane::bench
