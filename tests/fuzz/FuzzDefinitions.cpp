#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzFolder.h"
#include "data/DataFolder.h"
#include "data/Definitions.h"
#include "data/IoError.h"
#include "data/TextCodec.h"
#include "data/WordLists.h"
#include "data/WordRecord.h"

// The definitions file through the word list, in both forms: the long form of a found
// word and the masked short form of a hint. Input: "Azl.666", "Prefn.666", "Dicx.666" and
// a word, split by the marker.
namespace {

// A line of a definition box holds 40 characters.
class FortyPerLine : public vorlane::LineMeasure {
 public:
  int lineCount(int, const std::string& text) const override {
    return text.empty() ? 1 : 1 + static_cast<int>((text.size() - 1) / 40);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlane;
  static const fuzz::FuzzFolder folder;
  const auto parts = fuzz::splitInput(data, size, 4);
  folder.writeData(kWordFile, parts[0]);
  folder.writeData(kLetterIndexFile, parts[1]);
  folder.writeData(kDefinitionsFile, parts[2]);
  const DataFolder dataFolder(folder.path());
  const WordLists words(dataFolder);
  const FortyPerLine measure;
  const Definitions definitions(dataFolder, words, measure);
  const std::string word = plainForm(parts[3].substr(0, kMaxStoredLetters));
  for (bool longForm : {true, false}) {
    DefinitionBox box;
    try {
      definitions.lookUpDefinitions(word, 1, longForm, box, 16);
    } catch (const IoError&) {
      continue;
    }
    if (box.tag < 0) fuzz::broken("negative definition height");
  }
  return 0;
}
