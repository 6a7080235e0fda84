#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <random>
#include <string>
#include <vector>

#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/DefinitionWriter.h"
#include "data/Definitions.h"
#include "data/IoError.h"
#include "data/Random.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "data/WordFileWriter.h"
#include "data/WordLists.h"
#include "support/TempFolder.h"
#include "support/WordSetBuilder.h"

namespace vorlane {
namespace {

class OneLinePerText : public LineMeasure {
 public:
  int lineCount(int, const std::string&) const override { return 1; }
};

// A small but complete data set: homographs, anagram chains, appendix words, and
// definitions of every kind (scrambled, plain, proper noun without text).
void writeDataSet(const std::filesystem::path& dir) {
  struct Word {
    const char* spelling;
    std::uint8_t level;
    int anagramClass;
    bool appendix;
    int kind;  // 0 scrambled, 1 plain, 2 proper noun without text
  };
  const std::vector<Word> words = {{"chiner", 2, 1, false, 0},  {"nicher", 3, 1, false, 0},
                                   {"Chiner", 0, -1, false, 2}, {"marché", 1, -1, false, 0},
                                   {"Marche", 0, -1, false, 1}, {"orange", 4, 2, false, 0},
                                   {"onagre", 5, 2, false, 1},  {"zénith", 2, -1, false, 0},
                                   {"abaque", 1, -1, true, 0},  {"organe", 6, 2, true, 0}};
  std::vector<DataSetWord> dataWords;
  for (std::size_t i = 0; i < words.size(); ++i) {
    DataSetWord dataWord;
    dataWord.spelling = toWin1252(words[i].spelling);
    dataWord.level = words[i].level;
    dataWord.anagramClass = words[i].anagramClass;
    dataWord.inAppendix = words[i].appendix;
    dataWord.definitionAddress = static_cast<std::uint32_t>(i);
    dataWords.push_back(dataWord);
  }
  std::vector<DataSetWord> ordered = orderWords(dataWords);
  DefinitionWriter writer(dir / "Dicx.666");
  for (std::size_t r = 0; r < ordered.size(); ++r) {
    const Word& word = words[ordered[r].definitionAddress];
    const std::vector<std::string> fields = {ordered[r].spelling, "n. m.",
                                             toWin1252("Un \"mot\" défini.")};
    ordered[r].kind = word.kind == 0 ? 1 : 0;
    if (word.kind == 0) {
      ordered[r].definitionAddress = writer.appendScrambled(static_cast<std::int32_t>(r), fields);
    } else if (word.kind == 1) {
      ordered[r].definitionAddress = writer.appendPlain(fields);
    } else {
      ordered[r].definitionAddress = 0;
    }
  }
  writeWordFiles(dir, ordered);
}

// Every read of the word data and the settings on a few words. A damaged file may end an
// operation with IoError, never with another exception (a crash), and never loops: a
// test that hangs fails on the runner's timeout.
void runEveryRead(const DataFolder& folder) {
  WordLists words(folder, [](const std::string&) {});
  OneLinePerText measure;
  Definitions definitions(folder, words, measure);
  Random random(7);
  AnagramSet set;
  for (const char* word : {"CHINER", "MARCHE", "ORGANE", "ZENITH", "ABAQUE", "ABSENT"}) {
    try {
      words.findWord(word);
      words.isProperNounOnly(word);
      words.loadAnagramSet(word, set, false);
      words.loadAnagramSet(word, set, true);
      DefinitionBox box;
      definitions.lookUpDefinitions(word, 1, false, box, 16);
      definitions.lookUpDefinitions(word, 1, true, box, 16);
    } catch (const IoError&) {
    }
  }
  try {
    for (int level = 1; level <= 6; ++level) {
      words.drawSingleWord(level, level > 3, level % 2 == 0, random);
      words.drawAnagramWord(random);
    }
  } catch (const IoError&) {
  }
  Settings settings(folder);
  for (int record : {-1, 0, 29, 399, 400}) {
    try {
      settings.readSetting(record);
    } catch (const IoError&) {
    }
    try {
      settings.readScoreName(record);
    } catch (const IoError&) {
    }
  }
  RecentDraws recent;
  try {
    recent.loadRecentDraws(folder);
  } catch (const IoError&) {
  }
}

TEST(DamagedFilesTest, TruncatedOrCorruptedFilesEndWithAnInputOutputErrorAtWorst) {
  test::TempFolder temp;
  writeDataSet(temp.dataFolder());
  temp.writeFile("Zari666/Prefint.666", std::string(4 * 300, '\x01'));
  temp.writeFile("Zari666/stx.666", std::string(151 * 5, '\xFF'));
  const std::array<std::string, 4> names = {"Azl.666", "Azlana.666", "Prefn.666", "Dicx.666"};
  std::array<std::string, 4> pristine;
  for (std::size_t f = 0; f < names.size(); ++f) pristine[f] = temp.readFile("Zari666/" + names[f]);

  DataFolder folder(temp.path());
  std::mt19937 engine(2026);
  for (int round = 0; round < 400; ++round) {
    const std::size_t f = static_cast<std::size_t>(round) % names.size();
    std::string bytes = pristine[f];
    if (round % 3 == 0) {
      bytes.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size())(engine));
    } else {
      for (int k = 0; k < 1 + round % 5; ++k) {
        const auto at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(engine);
        bytes[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(engine));
      }
    }
    temp.writeFile("Zari666/" + names[f], bytes);
    SCOPED_TRACE(names[f] + " round " + std::to_string(round));
    EXPECT_NO_THROW(runEveryRead(folder));
    temp.writeFile("Zari666/" + names[f], pristine[f]);
  }
}

// While it lives, no file of this process grows past `bytes`: a write past that fails with
// EFBIG as a full disk fails with ENOSPC, and only that write.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

std::vector<std::string> dataFolderEntries(const test::TempFolder& temp) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(temp.dataFolder())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FullDiskTest, CopiesThatFailLeaveNoPartialFileAndKeepWhatWasThere) {
  test::TempFolder temp;
  test::WordSetBuilder().word("banane").word("cadeau").writeComplete(temp.dataFolder());
  std::string factory(4 * setting::kRecordCount, '\0');
  factory[4 * setting::kJuniorClass] = 1;
  temp.writeFile("Zari666/Nsco.666", factory);
  temp.writeFile("Zari666/Nscostx.666", std::string(151 * 13, 'N'));
  const std::vector<std::string> before = dataFolderEntries(temp);
  DataFolder folder(temp.path());
  {
    // The first start on a full disk: the factory copies cannot be made.
    FullDisk full(100);
    EXPECT_TRUE(checkDataFiles(folder));
  }
  EXPECT_EQ(dataFolderEntries(temp), before) << "no empty or partial copy left behind";
  EXPECT_EQ(Settings(folder).readSetting(setting::kJuniorClass), 1) << "read from the factory copy";

  // The next start, with room again, makes the copies.
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), factory);
  const std::vector<std::string> copied = dataFolderEntries(temp);

  // An older settings file beside the program is moved over the good one: on a full disk
  // the good one stays whole.
  std::string good = factory;
  good[4 * setting::kTrainingMode] = 1;
  temp.writeFile("Zari666/Prefint.666", good);
  temp.writeFile("azl.666", temp.readFile("Zari666/Azl.666"));
  temp.writeFile("Prefint.666", std::string(4 * setting::kRecordCount, '\x05'));
  {
    FullDisk full(100);
    EXPECT_TRUE(checkDataFiles(folder));
  }
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), good);
  EXPECT_EQ(dataFolderEntries(temp), copied);
}

}  // namespace
}  // namespace vorlane
