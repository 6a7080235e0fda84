#include "WordDataWriter.h"

#include <stdexcept>

#include "Headword.h"
#include "Lexicon.h"
#include "StarDict.h"
#include "Vocabulary.h"
#include "data/DefinitionWriter.h"
#include "data/Definitions.h"
#include "data/WordFileWriter.h"
#include "data/WordForms.h"

namespace vorlane::mkdata {
namespace {

// "Azl.666" kind byte of a common word with a scrambled definition.
constexpr std::uint8_t kCommonWordKind = 1;

struct PendingRecord {
  DataSetWord dataWord;
  const VocabularyRecord* record = nullptr;
};

std::vector<PendingRecord> recordsOf(const Vocabulary& vocabulary) {
  std::vector<PendingRecord> pending;
  for (const auto& [key, word] : vocabulary.keys()) {
    bool first = true;
    for (const VocabularyRecord& record : word.records) {
      DataSetWord dataWord;
      dataWord.spelling = record.spelling;
      if (first) {
        dataWord.level = word.level;
        dataWord.anagramClass = word.standing.anagramClass;
      }
      pending.push_back({dataWord, &record});
      first = false;
    }
  }
  return pending;
}

}  // namespace

void writeWordData(const Vocabulary& vocabulary, const std::filesystem::path& dataFolder) {
  std::vector<PendingRecord> pending = recordsOf(vocabulary);
  std::vector<DataSetWord> dataWords;
  for (const auto& p : pending) dataWords.push_back(p.dataWord);
  std::vector<DataSetWord> ordered = orderWords(dataWords);
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (ordered[i].spelling != pending[i].dataWord.spelling) {
      throw std::logic_error("vocabulary not in record order");
    }
  }
  // A link of 0 means "no anagram": record 0 never joins a chain, so it is never drawn.
  if (!ordered.empty() && ordered[0].anagramClass >= 0) ordered[0].level = 0;

  DefinitionWriter dicx(dataFolder / std::string(kDefinitionsFile));
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const VocabularyRecord& record = *pending[i].record;
    if (record.properNoun) {
      // Kind 0: a name without text keeps address 0 ("Nevers, nom propre.").
      if (!record.fields.empty()) ordered[i].definitionAddress = dicx.appendPlain(record.fields);
      continue;
    }
    ordered[i].kind = kCommonWordKind;
    ordered[i].definitionAddress =
        dicx.appendScrambled(static_cast<std::int32_t>(i), record.fields);
  }
  writeWordFiles(dataFolder, ordered);
}

std::size_t writeWordFormList(const Vocabulary& vocabulary,
                              const std::vector<std::string>& lexiconForms,
                              const StarDict& littre, const std::filesystem::path& dataFolder) {
  std::vector<std::string> forms = lexiconForms;
  for (const StarDict::IndexEntry& entry : littre.index()) {
    auto headword = parseHeadword(entry.name);
    if (!headword) continue;
    for (const std::string& spelling : {headword->masculine, headword->feminine}) {
      if (!spelling.empty()) forms.push_back(formKey(spelling));
    }
  }
  for (const auto& [key, word] : vocabulary.keys()) forms.push_back(key);
  return writeWordForms(dataFolder / std::string(kWordFormsFile), std::move(forms));
}

}  // namespace vorlane::mkdata
