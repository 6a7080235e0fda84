#include "data/WordFileWriter.h"

#include <algorithm>
#include <map>

#include "data/RecordFile.h"
#include "data/TextCodec.h"
#include "data/WordRecord.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

std::string keyOf(const DataSetWord& w) { return plainForm(w.spelling); }

std::string storedOf(const DataSetWord& w) {
  // encodeStored gives each letter the byte that shows it, or nothing.
  auto stored = encodeStored(w.spelling);
  if (!stored) {
    throw WordDataError("spelling cannot be stored: " + win1252ToUtf8(w.spelling));
  }
  if (stored->empty() || stored->size() > kMaxStoredLetters) {
    throw WordDataError("spelling must have 1 to 8 letters: " + win1252ToUtf8(w.spelling));
  }
  return *stored;
}

void writeBigEndian16(RecordFile& file, int record, std::uint32_t value) {
  std::string bytes = {static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
  file.write(record, bytes);
}

// The records of each anagram class, in record order. Every search finds the first record
// of a plain form, so that record carries the chain for all its homographs. A link of 0
// means "no anagram", so record 0 can never be named by a link and never joins a chain.
std::vector<std::vector<std::uint32_t>> chainMembers(const std::vector<DataSetWord>& ordered) {
  std::map<std::string, std::uint32_t> firstOfKey;
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    firstOfKey.emplace(keyOf(ordered[i]), static_cast<std::uint32_t>(i));
  }
  std::map<int, std::vector<std::uint32_t>> classes;
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    if (ordered[i].anagramClass < 0) continue;
    std::uint32_t carrier = firstOfKey[keyOf(ordered[i])];
    auto& members = classes[ordered[i].anagramClass];
    if (carrier != 0 && std::find(members.begin(), members.end(), carrier) == members.end()) {
      members.push_back(carrier);
    }
  }
  std::vector<std::vector<std::uint32_t>> chains;
  for (auto& [id, members] : classes) {
    std::sort(members.begin(), members.end());
    chains.push_back(std::move(members));
  }
  return chains;
}

}  // namespace

std::vector<DataSetWord> orderWords(std::vector<DataSetWord> words) {
  auto appendixBegin = std::stable_partition(words.begin(), words.end(),
                                             [](const DataSetWord& w) { return !w.inAppendix; });
  std::stable_sort(words.begin(), appendixBegin, [](const DataSetWord& a, const DataSetWord& b) {
    return keyOf(a) < keyOf(b);  // std::string compares bytes as unsigned char
  });
  return words;
}

void writeWordFiles(const fs::path& folder, const std::vector<DataSetWord>& ordered) {
  if (ordered.size() > 0xFFFF) throw WordDataError("too many words for the letter index");
  std::vector<std::uint32_t> links(ordered.size(), 0);
  for (const auto& members : chainMembers(ordered)) {
    if (members.size() < 2) continue;
    for (std::size_t k = 0; k < members.size(); ++k) {
      links[members[k]] = members[(k + 1) % members.size()];
    }
  }

  RecordFile azl(folder / kWordFile, kWordRecordSize, RecordFile::Mode::Create);
  RecordFile azlana(folder / kAnagramFile, kWordRecordSize, RecordFile::Mode::Create);
  std::size_t appendixStart = ordered.size();
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const DataSetWord& w = ordered[i];
    if (w.inAppendix && appendixStart == ordered.size()) appendixStart = i;
    WordRecord spelling{storedOf(w), w.kind, w.definitionAddress};
    WordRecord anagram{keyOf(w), w.level, links[i]};
    azl.write(static_cast<std::int64_t>(i), spelling.encode());
    azlana.write(static_cast<std::int64_t>(i), anagram.encode());
  }

  RecordFile index(folder / kLetterIndexFile, kLetterIndexRecordSize, RecordFile::Mode::Create);
  // The letters' records end the file: writing them pads the records before them with
  // zeros, and only the appendix start is written among those.
  writeBigEndian16(index, kAppendixStartRecord, static_cast<std::uint32_t>(appendixStart));
  for (int c = 'A'; c <= 'Z'; ++c) {
    std::size_t first = 0;
    while (first < appendixStart && static_cast<unsigned char>(keyOf(ordered[first])[0]) < c)
      ++first;
    writeBigEndian16(index, c - kLetterIndexOffset, static_cast<std::uint32_t>(first));
  }
}

}  // namespace vorlane
