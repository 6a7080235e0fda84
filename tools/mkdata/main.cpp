// mkdata: writes the game's data folder from the French lexical packages.
//   mkdata --littre BASE --aff FILE --dic FILE --thesaurus FILE --subtitles FILE
//          --encyclopedia FILE --badwords FILE --review FILE --notice TEXT --out FOLDER
//   mkdata --dump FOLDER   prints each word a draw can show, with its level and both
//                          forms of its definition as the game shows them
// BASE is the Littré's StarDict base name (without ".idx"); the thesaurus is mythes-fr's
// ".dat"; the subtitle and encyclopedia lists have one word a line, commonest first; the profanity
// list one word a line; the review is our own reviewed word list (reviewed/words.tsv). Exits
// non-zero, naming the missing package, when a source is absent.
#include <chrono>
#include <iostream>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>

#include "DataSetDump.h"
#include "KeptOut.h"
#include "Lexicon.h"
#include "Review.h"
#include "StarDict.h"
#include "Thesaurus.h"
#include "Vocabulary.h"
#include "WordDataWriter.h"
#include "WordSignals.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#ifdef VORLANE_MKDATA_ASSETS
#include "assets/Assets.h"
#endif

namespace fs = std::filesystem;
using namespace vorlane::mkdata;

namespace {

struct Options {
  std::map<std::string, std::string> values;
  std::string get(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? std::string() : it->second;
  }
};

Options parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) options.values[argv[i]] = argv[i + 1];
  return options;
}

// The source files and the package that brings each.
bool sourcesPresent(const Options& options) {
  const std::pair<std::string, const char*> sources[] = {
      {options.get("--littre") + ".idx", "stardict-xmlittre"},
      {options.get("--littre") + ".dict.dz", "stardict-xmlittre"},
      {options.get("--aff"), "hunspell-fr-comprehensive"},
      {options.get("--dic"), "hunspell-fr-comprehensive"},
      {options.get("--thesaurus"), "mythes-fr"},
      {options.get("--subtitles"), "@zxcvbn-ts/language-fr (npm)"},
      {options.get("--encyclopedia"), "@zxcvbn-ts/language-fr (npm)"},
      {options.get("--badwords"), "french-badwords-list (npm)"},
      {options.get("--review"), "tools/mkdata/reviewed/words.tsv (this project)"}};
  bool present = true;
  for (const auto& [file, package] : sources) {
    if (file.empty() || !fs::is_regular_file(file)) {
      std::fprintf(stderr, "mkdata: source missing: %s (package %s)\n", file.c_str(), package);
      present = false;
    }
  }
  return present;
}

// Written usage counts half as much as spoken usage in a word's standing today.
constexpr double kEncyclopediaScale = 0.5;

// Fewer six-letter words than this means damaged or partial sources, not a data set.
constexpr std::size_t kFewestWords = 2000;

void reportFiles(const fs::path& out) {
  for (const char* name : {"Azl.666", "Azlana.666", "Prefn.666", "Dicx.666", "Formes.666", "Nazniv.666",
                           "Nsco.666", "Nscostx.666"}) {
    std::error_code error;
    auto size = fs::file_size(out / name, error);
    if (!error) std::printf("mkdata: %s: %ju bytes\n", name, static_cast<std::uintmax_t>(size));
  }
}

void report(const Vocabulary& vocabulary, const LevelBands& bands) {
  int common = 0;
  int proper = 0;
  std::map<int, int> perLevel;
  std::map<int, int> classSizes;
  std::map<int, int> classOf;
  std::map<std::string, int> signals;
  for (const auto& [key, word] : vocabulary.keys()) {
    for (const auto& record : word.records) (record.properNoun ? proper : common) += 1;
    const WordStanding& s = word.standing;
    if (word.level > 0) {
      ++signals[s.subtitleRank >= 0       ? "subtitles"
                : s.thesaurusMentions > 0 ? "thesaurus"
                                          : "quotations only"];
    }
    ++perLevel[word.level];
    if (word.standing.anagramClass >= 0) ++classOf[word.standing.anagramClass];
  }
  for (const auto& [id, size] : classOf) ++classSizes[size];
  std::printf("mkdata: %d common words, %d proper nouns, %zu plain forms\n", common, proper,
              vocabulary.keys().size());
  std::printf("mkdata: level bands: first %d, then %d a level\n", bands.first, bands.step);
  for (const auto& [level, count] : perLevel) std::printf("mkdata: level %d: %d\n", level, count);
  for (const auto& [signal, count] : signals) {
    std::printf("mkdata: levels from %s: %d words\n", signal.c_str(), count);
  }
  for (const auto& [size, count] : classSizes) {
    std::printf("mkdata: anagram classes of %d words: %d\n", size, count);
  }
}

}  // namespace

int main(int argc, char** argv) {
  auto start = std::chrono::steady_clock::now();
  Options options = parseOptions(argc, argv);
  if (!options.get("--dump").empty()) {
    try {
      printDump(dumpDataSet(options.get("--dump")), std::cout);
      return 0;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "mkdata: %s\n", vorlane::win1252ToUtf8(e.what()).c_str());
      return 1;
    }
  }
  if (options.get("--out").empty() || !sourcesPresent(options)) return 2;
  try {
    fs::path out = options.get("--out");
    fs::create_directories(out);
    StarDict littre(options.get("--littre"));
    Lexicon lexicon(options.get("--aff"), options.get("--dic"));
    WordSignals signals;
    signals.readSubtitleList(options.get("--subtitles"), &lexicon);
    signals.readSubtitleList(options.get("--encyclopedia"), &lexicon, kEncyclopediaScale);
    signals.countQuotations(littre);
    Review review(options.get("--review"));
    KeptOut keptOut;
    keptOut.addListFile(options.get("--badwords"));
    keptOut.addWords(review.unfitWords());
    Vocabulary vocabulary(std::move(keptOut));
    vocabulary.addCommonWords(littre, lexicon);
    if (vocabulary.keys().size() < kFewestWords) {
      throw std::runtime_error("only " + std::to_string(vocabulary.keys().size()) +
                               " six-letter words: the packages stardict-xmlittre and "
                               "hunspell-fr-comprehensive look incomplete");
    }
    Thesaurus thesaurus(options.get("--thesaurus"));
    vocabulary.addThesaurusWords(thesaurus, lexicon, signals);
    vocabulary.addReviewedWords(review, lexicon);
    vocabulary.addProperNouns(lexicon, signals);
    vocabulary.noteFirstNames(lexicon, signals, thesaurus);
    for (const std::string& word : vocabulary.applyReview(review)) {
      std::printf(
          "mkdata: the reviewed definition of \"%s\" names the word, an anagram of "
          "it or a kept-out word: the dictionary's stands\n",
          word.c_str());
    }
    LevelBands bands = vocabulary.assignLevels(signals, thesaurus);
    writeWordData(vocabulary, out);
    auto formsStart = std::chrono::steady_clock::now();
    std::size_t forms = writeWordFormList(vocabulary, lexicon.formKeys(6), littre, out);
    std::printf("mkdata: %zu word forms in %.1f s\n", forms,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - formsStart).count());
#ifdef VORLANE_MKDATA_ASSETS
    writeSounds(out);
    writePatterns(out);
    writeFactoryFiles(out, options.get("--notice"));
#endif
    report(vocabulary, bands);
    reportFiles(out);
  } catch (const vorlane::IoError& e) {
    std::fprintf(stderr, "mkdata: %s\n", vorlane::win1252ToUtf8(e.what()).c_str());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mkdata: %s\n", e.what());
    return 1;
  }
  auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("mkdata: data set written in %.1f s\n", seconds);
  return 0;
}
