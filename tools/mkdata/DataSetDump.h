#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vorlane::mkdata {

// A word the game can put in a row, as the game shows it.
struct DumpedWord {
  std::string key;       // plain form
  std::string spelling;  // display spelling of its first record (UTF-8)
  int level = 0;         // level byte of "Azlana.666"
  bool inClass = false;  // member of an anagram class
  std::string full;      // long form, one text per record joined by " | " (UTF-8)
  std::string shortForm; // the masked hint form, as the game shows it (UTF-8)
};

// The words of a data folder ("Zari666") that a draw can show: every word of level 1 to 6
// and every member of an anagram class that has one, with both forms of its definition
// read through the game's own reader.
std::vector<DumpedWord> dumpDataSet(const std::filesystem::path& dataFolder);

// One line a word: level, tab, spelling, tab, long form, tab, short form.
void printDump(const std::vector<DumpedWord>& words, std::ostream& out);

}  // namespace vorlane::mkdata
