#include "data/Definitions.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "data/Contact.h"
#include "data/DataFolder.h"
#include "data/DefinitionMask.h"
#include "data/IoError.h"
#include "data/RecordFile.h"
#include "data/TextCodec.h"
#include "data/WordCursor.h"

namespace fs = std::filesystem;

namespace vorlane {

const std::array<std::uint32_t, 10> addressMaskTable = {700,  1300, 2100, 400, 2900,
                                                        1600, 900,  2500, 300, 1800};
const std::array<int, 10> shiftTable = {7, 13, 4, 22, 9, 17, 11, 26, 5, 19};

unsigned char unscrambleByte(unsigned char stored, int shift) {
  int text = stored - shift;
  if (text < 0) text += 255;
  return static_cast<unsigned char>(text);
}

namespace {

// "One byte at a time" from the record's offset, read in blocks of this many bytes.
constexpr std::size_t kReadBlock = 256;

struct DefinitionTexts {
  std::string full;
  std::string shown;
};

// The fields of the record at `address` as text bytes (Mac OS Roman). Shift 0 reads a
// plain record: unscrambleByte then gives every byte back unchanged.
std::vector<std::string> readFields(const RecordFile& file, std::int64_t address, int shift) {
  if (address < 0) {
    throw IoError(file.path(), toWin1252("adresse de définition hors du fichier"));
  }
  std::vector<std::string> fields(1);
  for (std::int64_t pos = address;;) {
    std::string block = file.readBytesAt(pos, kReadBlock);
    if (block.empty()) {
      throw IoError(file.path(), toWin1252("définition non terminée avant la fin du fichier"));
    }
    for (char ch : block) {
      auto stored = static_cast<unsigned char>(ch);
      if (stored == kRecordEnd) return fields;
      unsigned char text = unscrambleByte(stored, shift);
      if (text == kRecordEnd) return fields;
      if (text == kFieldSeparator) {
        fields.emplace_back();
      } else {
        fields.back().push_back(static_cast<char>(text));
      }
    }
    pos += static_cast<std::int64_t>(block.size());
  }
}

// headword, ", ", category, " : ", definition, then a space before each further field.
// The short form keeps what follows the second separator (the first, if only one).
DefinitionTexts commonTexts(const std::vector<std::string>& fields, bool longForm) {
  DefinitionTexts texts;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) {
      std::string_view separator = i == 1 ? ", " : i == 2 ? " : " : " ";
      texts.full += separator;
      texts.shown += separator;
      if (i <= 2 && !longForm) texts.shown.clear();
    }
    std::string text = displayForm(fields[i]);
    texts.full += text;
    texts.shown += text;
  }
  return texts;
}

// headword, " : ", first field, ", ", then the other fields run together. The short
// form keeps what follows the first separator.
DefinitionTexts plainTexts(const std::string& headword, const std::vector<std::string>& fields,
                           bool longForm) {
  DefinitionTexts texts{headword + " : ", headword + " : "};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i == 1) {
      texts.full += ", ";
      texts.shown += ", ";
      if (!longForm) texts.shown.clear();
    }
    std::string text = displayForm(fields[i]);
    texts.full += text;
    texts.shown += text;
  }
  return texts;
}

std::string damagedEntryText(const std::string& headword) {
  return headword +
         toWin1252(" : erreur du fichier. Merci de noter ce mot et de contacter l'auteur.") +
         toWin1252(" Tél : ") + std::string(kSupportPhone) +
         "  Email : " + std::string(kSupportEmail);
}

// The stored address without its mask; an address that no int32 holds lies outside any
// definitions file and is given as −1.
std::int32_t unmaskedAddress(const WordRecord& record, std::int64_t recordNumber) {
  std::int64_t address = record.linkOrAddress;
  if (record.levelOrKind != 0) {
    address -= addressMaskTable[static_cast<std::size_t>(recordNumber % 10)];
  }
  if (address > std::numeric_limits<std::int32_t>::max()) return -1;
  return static_cast<std::int32_t>(address);
}

}  // namespace

Definitions::Definitions(const DataFolder& folder, const WordLists& words,
                         const LineMeasure& measure)
    : folder_(folder), words_(words), measure_(measure) {}

void Definitions::lookUpDefinitions(std::string_view word, int row, bool longForm,
                                    DefinitionBox& box, int lineHeight) const {
  buildDefinitions(definitionEntries(word), row, longForm, box, lineHeight);
}

DefinitionEntries Definitions::definitionEntries(std::string_view word) const {
  DefinitionEntries entries{};
  const std::int32_t start = words_.findWord(word);
  if (start < 0) return entries;
  WordCursor cursor(folder_, kWordFile);
  std::size_t count = 0;
  scanForWord(cursor, start, words_.letterIndex("fin"), word,
              [&](std::int64_t n, const WordRecord& record) {
                entries[count++] = {record.display(), static_cast<std::int32_t>(n),
                                    record.levelOrKind, unmaskedAddress(record, n)};
                return count < entries.size();
              });
  return entries;
}

void Definitions::buildDefinitions(const DefinitionEntries& entries, int row, bool longForm,
                                   DefinitionBox& box, int lineHeight) const {
  const fs::path path = folder_.dataFilePath(kDefinitionsFile);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return;
  RecordFile file = folder_.openPath(path, RecordFile::kBytes, RecordFile::Mode::Read);
  DefinitionBox built = box;  // the box itself changes only once every record is read
  for (const TableauNivAd& entry : entries) {
    if (entry.text.empty() || entry.levelOrKind == 0) continue;
    if (entry.linkOrAddress == 0) {
      showDefinition(entry.text, damagedEntryText(entry.text), built, row, true, lineHeight);
      continue;
    }
    // A negative address is refused by readFields: the shift it picks is never used.
    const int shift = shiftTable[static_cast<std::size_t>(entry.linkOrAddress) % 10];
    DefinitionTexts texts = commonTexts(readFields(file, entry.linkOrAddress, shift), longForm);
    showDefinition(entry.text, std::move(texts.shown), built, row, longForm, lineHeight);
    built.fullTexts += '#' + texts.full;
  }
  for (const TableauNivAd& entry : entries) {
    if (entry.text.empty() || entry.levelOrKind != 0) continue;
    DefinitionTexts texts;
    if (entry.linkOrAddress == 0) {
      texts.full = texts.shown = entry.text + ", nom propre.";
    } else {
      texts = plainTexts(entry.text, readFields(file, entry.linkOrAddress, 0), longForm);
    }
    showDefinition(entry.text, std::move(texts.shown), built, row, longForm, lineHeight);
    built.fullTexts += '#' + texts.full;
  }
  box = std::move(built);
}

void Definitions::showDefinition(std::string_view headword, std::string text, DefinitionBox& box,
                                 int row, bool longForm, int lineHeight) const {
  if (!longForm) text = maskDefinition(headword, text);
  box.maskedTexts += '#' + text;
  box.lines.push_back(std::move(text));
  int lineCount = 0;
  for (const std::string& line : box.lines) lineCount += measure_.lineCount(row, line);
  box.tag = std::max(lineCount, 1) * lineHeight;
}

}  // namespace vorlane
