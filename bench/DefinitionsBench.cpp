#include <benchmark/benchmark.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/DefinitionWriter.h"
#include "data/Definitions.h"
#include "data/WordFileWriter.h"
#include "data/WordLists.h"
#include "support/TempFolder.h"

namespace vorlane::bench {
namespace {

constexpr int kWords = 12000;
constexpr std::size_t kDefinitionLength = 400;
// The word looked up: a common-noun record and a plain one, somewhere in the middle.
constexpr std::string_view kTwoRecordWord = "marque";

class OneLinePerText : public LineMeasure {
 public:
  int lineCount(int, const std::string&) const override { return 1; }
};

std::string randomText(std::mt19937& rng, std::size_t length) {
  static const std::string letters = "abcdefghijklmnopqrstuvwxyz  ,.'";
  std::string text(length, ' ');
  for (char& c : text) c = letters[rng() % letters.size()];
  return text;
}

std::vector<DataSetWord> makeWords(std::mt19937& rng) {
  std::set<std::string> used{std::string(kTwoRecordWord)};
  std::vector<DataSetWord> words;
  words.push_back({std::string(kTwoRecordWord), 1, -1, false, 1, 0});
  words.push_back({"Marque", 1, -1, false, 0, 0});
  while (static_cast<int>(words.size()) < kWords) {
    std::string word(6, 'a');
    for (char& c : word) c = static_cast<char>('a' + rng() % 26);
    if (used.insert(word).second) words.push_back({word, 1, -1, false, 1, 0});
  }
  return words;
}

// About 5 MB of definitions: every word has a scrambled record, "Marque" a plain one.
struct DefinitionsData {
  test::TempFolder temp;
  DataFolder folder{temp.path()};
  WordLists words{folder};
  OneLinePerText measure;
  Definitions definitions{folder, words, measure};

  DefinitionsData() {
    std::mt19937 rng(99);
    std::vector<DataSetWord> ordered = orderWords(makeWords(rng));
    DefinitionWriter writer(temp.dataFolder() / "Dicx.666");
    for (std::size_t r = 0; r < ordered.size(); ++r) {
      DataSetWord& dataWord = ordered[r];
      std::string text = randomText(rng, kDefinitionLength);
      dataWord.definitionAddress =
          dataWord.kind == 0 ? writer.appendPlain({"marque de fabrique", text})
                             : writer.appendScrambled(static_cast<std::int32_t>(r),
                                                      {dataWord.spelling, "n. f.", text, "fin"});
    }
    writeWordFiles(temp.dataFolder(), ordered);
  }
};

void BM_lookUpDefinitions(benchmark::State& state) {
  DefinitionsData data;
  const bool longForm = state.range(0) != 0;
  for (auto _ : state) {
    DefinitionBox box;
    data.definitions.lookUpDefinitions("MARQUE", 1, longForm, box, 16);
    if (box.lines.size() != 2) state.SkipWithError("two definitions expected");
    benchmark::DoNotOptimize(box);
  }
}
BENCHMARK(BM_lookUpDefinitions)->Arg(0)->Arg(1)->ArgName("longForm");

}  // namespace
}  // namespace vorlane::bench
