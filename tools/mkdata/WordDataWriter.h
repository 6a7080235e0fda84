#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vorlane::mkdata {

class StarDict;
class Vocabulary;

// Writes "Azl.666", "Azlana.666", "Prefn.666" and "Dicx.666" of a vocabulary into the
// data folder: every record of a plain form in the sorted part, the first carrying the
// level and the anagram class, common words with their scrambled definition, proper nouns
// without text.
void writeWordData(const Vocabulary& vocabulary, const std::filesystem::path& dataFolder);

// Writes "Formes.666": the six-letter word forms of today's lexicon (`lexiconForms`, plain
// forms), the dictionary's six-letter headwords and feminines, and every word of the
// vocabulary. The kept-out words are in it too: they are French, and the list is only ever
// asked whether a typed word is one, never shown. Returns the number of forms written.
std::size_t writeWordFormList(const Vocabulary& vocabulary,
                              const std::vector<std::string>& lexiconForms,
                              const StarDict& littre, const std::filesystem::path& dataFolder);

}  // namespace vorlane::mkdata
