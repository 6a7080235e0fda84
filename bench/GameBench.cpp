#include <benchmark/benchmark.h>

#include <algorithm>

#include "BenchData.h"
#include "data/DataFolder.h"
#include "data/Random.h"
#include "data/WordLists.h"
#include "game/GameEngine.h"
#include "game/GamePort.h"

namespace vorlane::bench {
namespace {

// A window that shows nothing and answers OK.
class QuietPort : public GamePort {
 public:
  void playSound(std::string_view) override {}
  void waitMilliseconds(int) override {}
  void repaint() override {}
  void setCursor(CursorShape) override {}
  int definitionLineCount(int, const std::string&) override { return 1; }
  int showEndOfGame(std::string_view, int) override { return kMessageOk; }
  int showLevelUp(const std::string&, const std::string&) override { return kMessageOk; }
  int showLetterCost(const std::string&, int) override { return kMessageOk; }
  int insertScore(int) override { return 0; }
  int rankOf(int) override { return 0; }
  void showScoresModal() override {}
  bool scoreWindowVisible() override { return false; }
  void relayoutMainWindow() override {}
  void repositionMainWindow() override {}
  void reportDataError(const std::string&) override {}
  void reportIoError(const vorlane::IoError&) override {}
};

// An engine in Training mode on the 10,000-word data set; draws reseed with a counter.
struct Fixture {
  const BenchData& data = benchData();
  DataFolder folder{data.programFolder};
  WordLists words{folder};
  RecentDraws recent;
  Random random{1};
  QuietPort port;
  GameEngine engine{folder, words, recent, random, port};
  std::uint32_t seed = 1;

  Fixture() {
    engine.setTrainingMode(true);
    engine.setDrawSeeder([this](Random& r) { r.seed(seed++); });
  }

  // A permutation of the draw's letters that is none of its words.
  std::string wrongWord() const {
    std::string word = engine.state().drawLetters;
    const auto& rows = engine.state().rowWords;
    do {
      std::next_permutation(word.begin(), word.end());
    } while (std::find(rows.begin(), rows.end(), word) != rows.end());
    return word;
  }

  void type(const std::string& word) {
    for (char c : word) engine.keyb1KeyPress(c);
  }
};

// startDraw of the kind asked; FIN ! between draws turns the kind over, untimed.
void drawOfKind(benchmark::State& state, std::string_view kind) {
  Fixture f;
  for (auto _ : state) {
    state.PauseTiming();
    if (f.engine.state().drawActive) f.engine.ImageFINClick();
    if (f.engine.state().drawKind != kind) f.engine.ImageFINClick();
    state.ResumeTiming();
    f.engine.startDraw();
  }
}

void BM_startDrawAnagram(benchmark::State& state) { drawOfKind(state, kAnagramDraw); }
BENCHMARK(BM_startDrawAnagram)->Unit(benchmark::kMicrosecond);

void BM_startDrawSingleWord(benchmark::State& state) { drawOfKind(state, kSingleWordDraw); }
BENCHMARK(BM_startDrawSingleWord)->Unit(benchmark::kMicrosecond);

// A six-letter word that is not in the draw, checked against every row.
void BM_checkWordNotInDraw(benchmark::State& state) {
  Fixture f;
  f.engine.Button1Click();
  f.type(f.wrongWord());
  for (auto _ : state) f.engine.checkWord();
}
BENCHMARK(BM_checkWordNotInDraw);

// A word found: its row turns red, its plain definition shows, the draw enters the recent
// list and the letters go back.
void BM_checkWordFound(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    state.PauseTiming();
    if (f.engine.state().drawActive) f.engine.ImageFINClick();
    if (f.engine.state().drawKind != kAnagramDraw) f.engine.ImageFINClick();
    f.engine.startDraw();
    const std::string word = f.engine.state().rowWords[0];
    f.type(word.substr(0, 5));
    state.ResumeTiming();
    f.engine.keyb1KeyPress(word[5]);
  }
}
BENCHMARK(BM_checkWordFound)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlane::bench
