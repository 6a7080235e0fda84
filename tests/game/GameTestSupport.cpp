#include "game/GameTestSupport.h"

#include <algorithm>

#include "support/WordSetBuilder.h"

namespace vorlane::test {

int FakeGamePort::count(const std::string& sound) const {
  return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
}

int FakeGamePort::definitionLineCount(int, const std::string& text) {
  return text.empty() ? 1 : 1 + static_cast<int>((text.size() - 1) / lineWidth);
}

int FakeGamePort::message(const std::string& text, int answer) {
  if (open_) return last_;
  expectPainted(text);
  open_ = true;
  messages.push_back(text);
  if (whileMessageOpen) whileMessageOpen();
  open_ = false;
  last_ = answer;
  return last_;
}

int FakeGamePort::showEndOfGame(std::string_view selector, int score) {
  return message("end " + std::string(selector) + " " + std::to_string(score), kMessageOk);
}

int FakeGamePort::showLevelUp(const std::string& points, const std::string& level) {
  return message("level " + points + " " + level, kMessageOk);
}

int FakeGamePort::showLetterCost(const std::string& price, int level) {
  return message("cost " + price + " " + std::to_string(level), letterCostAnswer);
}

int FakeGamePort::insertScore(int score) {
  insertedScores.push_back(score);
  return rank;
}

void GameTest::load(const std::vector<GameWord>& words) {
  WordSetBuilder builder;
  for (const GameWord& w : words) {
    builder.word(w.spelling, static_cast<std::uint8_t>(w.level), w.anagramClass, w.definition);
  }
  ordered_ = builder.write(folder_.dataFolder());
  data_ = std::make_unique<DataFolder>(folder_.path());
  words_ = std::make_unique<WordLists>(*data_,
                                       [this](const std::string& text) { warnings_.push_back(text); });
  engine_ = std::make_unique<GameEngine>(*data_, *words_, recent_, random_, port_);
  port_.viewNow = [this] { return engine_->view(); };
  engine_->setDrawSeeder([this](Random& r) { r.seed(seed++); });
  engine_->setSoundAvailable(true);
}

void GameTest::type(const std::string& word) {
  for (char c : word) engine().keyb1KeyPress(c);
}

void GameTest::ticks(int n) {
  for (int i = 0; i < n; ++i) engine().Timer1Timer();
}

void GameTest::findAll() {
  const bool anagram = state().drawKind == kAnagramDraw;
  for (int k = 1; k <= state().rowCount && state().drawActive; ++k) {
    if (row(k).inputColour == kRed || (anagram && k == state().rowCount)) continue;
    type(state().rowWords[static_cast<std::size_t>(k - 1)]);
  }
}

void GameTest::damage(std::string_view file, std::size_t offset, const std::string& bytes) {
  const std::string name(file);
  std::string content = folder_.readFile(std::filesystem::path("Zari666") / name);
  ASSERT_LE(offset + bytes.size(), content.size());
  content.replace(offset, bytes.size(), bytes);
  folder_.writeFile(std::filesystem::path("Zari666") / name, content);
}

std::size_t GameTest::recordOf(const std::string& spelling) const {
  const int record = test::recordOf(ordered_, spelling);
  EXPECT_GE(record, 0) << spelling;
  return static_cast<std::size_t>(record);
}

std::vector<std::string> GameTest::rows() const {
  return {state().rowWords.begin(), state().rowWords.begin() + state().rowCount};
}

std::vector<GameWord> aliensSet() {
  return {
      {"abbaye", 1, -1, ""},  // record 0, which no chain can hold
      {"aliens", 1, 0, "Venu d'un autre monde."},
      {"lianes", 0, 0,
       "Plante grimpante des forêts tropicales, dont les tiges souples s'accrochent aux "
       "arbres ; les lianes du Brésil."},
      {"salien", 1, 0, "Relatif aux Francs saliens."},
      {"saline", 3, 0, "Marais où l'on recueille le sel de la mer."},
      {"silane", 2, 0, "Composé de silicium et d'hydrogène."},
      {"tortue", 1, -1, ""},
      {"valise", 1, -1, ""},
      {"violon", 1, -1, ""},
  };
}

}  // namespace vorlane::test
