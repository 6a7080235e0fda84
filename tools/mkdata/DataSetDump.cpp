#include "DataSetDump.h"

#include <set>

#include "data/DataFolder.h"
#include "data/Definitions.h"
#include "data/RecordFile.h"
#include "data/TextCodec.h"
#include "data/WordRecord.h"

namespace vorlane::mkdata {
namespace {

class OneLinePerText : public LineMeasure {
 public:
  int lineCount(int, const std::string&) const override { return 1; }
};

std::vector<WordRecord> readRecords(const std::filesystem::path& file) {
  RecordFile records(file, kWordRecordSize, RecordFile::Mode::Read);
  std::vector<WordRecord> out;
  for (std::int64_t n = 0; n < records.recordCount(); ++n) {
    out.push_back(WordRecord::decode(records.read(n)));
  }
  return out;
}

// The classes that a draw can offer: those with a member of level 1 to 6.
std::set<std::uint32_t> drawableMembers(const std::vector<WordRecord>& anagrams) {
  std::set<std::uint32_t> members;
  for (std::uint32_t n = 0; n < anagrams.size(); ++n) {
    if (anagrams[n].linkOrAddress == 0 || members.count(n)) continue;
    std::vector<std::uint32_t> chain{n};
    bool drawable = anagrams[n].levelOrKind > 0;
    for (std::uint32_t next = anagrams[n].linkOrAddress; next != n && next < anagrams.size() &&
                                                         chain.size() < anagrams.size();
         next = anagrams[next].linkOrAddress) {
      chain.push_back(next);
      drawable = drawable || anagrams[next].levelOrKind > 0;
    }
    if (drawable) members.insert(chain.begin(), chain.end());
  }
  return members;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += (out.empty() ? "" : " | ") + win1252ToUtf8(line);
  return out;
}

}  // namespace

std::vector<DumpedWord> dumpDataSet(const std::filesystem::path& dataFolder) {
  std::vector<WordRecord> words = readRecords(dataFolder / std::string(kWordFile));
  std::vector<WordRecord> anagrams = readRecords(dataFolder / std::string(kAnagramFile));
  std::set<std::uint32_t> members = drawableMembers(anagrams);
  DataFolder folder(dataFolder.parent_path());
  WordLists lists(folder);
  OneLinePerText measure;
  Definitions definitions(folder, lists, measure);
  std::vector<DumpedWord> dumped;
  std::set<std::string> done;
  for (std::uint32_t n = 0; n < words.size() && n < anagrams.size(); ++n) {
    bool inClass = members.count(n) > 0;
    if ((anagrams[n].levelOrKind == 0 && !inClass) || !done.insert(words[n].key()).second) continue;
    DumpedWord word{words[n].key(), win1252ToUtf8(words[n].display()), anagrams[n].levelOrKind,
                    inClass, {}, {}};
    for (bool longForm : {true, false}) {
      DefinitionBox box;
      definitions.lookUpDefinitions(word.key, 1, longForm, box, 1);
      (longForm ? word.full : word.shortForm) = joined(box.lines);
    }
    dumped.push_back(std::move(word));
  }
  return dumped;
}

void printDump(const std::vector<DumpedWord>& words, std::ostream& out) {
  for (const DumpedWord& word : words) {
    out << word.level << '\t' << word.spelling << '\t' << word.full << '\t' << word.shortForm
        << '\n';
  }
}

}  // namespace vorlane::mkdata
