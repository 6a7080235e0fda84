#pragma once

#include <filesystem>

namespace vorlane::mkdata {

class Vocabulary;

// Writes "Azl.666", "Azlana.666", "Prefn.666" and "Dicx.666" of a vocabulary into the
// data folder: every record of a plain form in the sorted part, the first carrying the
// level and the anagram class, common words with their scrambled definition, proper nouns
// without text.
void writeWordData(const Vocabulary& vocabulary, const std::filesystem::path& dataFolder);

}  // namespace vorlane::mkdata
