#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/WordFileWriter.h"

namespace vorlane::bench {

// A synthetic data set of realistic size: about 10,000 six-letter words, 500 anagram
// classes of two to four words, levels 0..6, written once into a temporary program folder.
struct BenchData {
  std::filesystem::path programFolder;
  std::vector<DataSetWord> ordered;     // record order
  std::vector<std::string> plainWords;  // plain forms, in record order
};

const BenchData& benchData();

}  // namespace vorlane::bench
