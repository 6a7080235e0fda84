#include "data/DefinitionWriter.h"

#include <limits>
#include <optional>

#include "data/Definitions.h"
#include "data/TextCodec.h"

namespace vorlane {
namespace {

// The stored byte whose unscrambleByte with `shift` gives `text` back: the inverse of the
// wrap over 255. Text byte 255 has no such byte and is refused before this point.
unsigned char scrambleByte(unsigned char text, int shift) {
  int stored = text + shift;
  if (stored > 255) stored -= 255;
  return static_cast<unsigned char>(stored);
}

void refuse(const std::string& what, const std::string& field) {
  throw DefinitionDataError("definition text cannot be stored (" + what +
                            "): " + win1252ToUtf8(field));
}

}  // namespace

DefinitionWriter::DefinitionWriter(const std::filesystem::path& dicxPath)
    : file_(dicxPath, RecordFile::kBytes, RecordFile::Mode::Create) {
  append(std::string(1, static_cast<char>(kRecordEnd)));
}

std::string DefinitionWriter::storedFields(const std::vector<std::string>& fields, int shift) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    std::optional<std::string> stored = encodeStored(fields[i]);
    if (!stored) refuse("a character has no stored byte", fields[i]);
    for (char ch : *stored) {
      auto b = static_cast<unsigned char>(ch);
      if (b == kRecordEnd) refuse("a byte would end the record", fields[i]);
      if (b == kFieldSeparator) refuse("a byte would separate fields", fields[i]);
      if (b == 255) refuse("byte 255 has no scrambled form", fields[i]);
      if (shift > 0 && scrambleByte(b, shift) == kRecordEnd) {
        refuse("a byte would be scrambled into the end of the record", fields[i]);
      }
    }
    if (i > 0) out.push_back(static_cast<char>(kFieldSeparator));
    out += *stored;
  }
  return out;
}

std::uint32_t DefinitionWriter::appendScrambled(std::int32_t wordRecord,
                                                const std::vector<std::string>& fields) {
  if (wordRecord < 0) throw DefinitionDataError("negative word record number");
  const int shift = shiftTable[offset_ % 10];
  std::string record = storedFields(fields, shift);
  for (char& ch : record)
    ch = static_cast<char>(scrambleByte(static_cast<unsigned char>(ch), shift));
  std::uint64_t address = offset_ + addressMaskTable[static_cast<std::size_t>(wordRecord) % 10];
  if (address > std::numeric_limits<std::uint32_t>::max()) {
    throw DefinitionDataError("definitions file too large for a 32-bit address");
  }
  append(record + static_cast<char>(kRecordEnd));
  return static_cast<std::uint32_t>(address);
}

std::uint32_t DefinitionWriter::appendPlain(const std::vector<std::string>& fields) {
  std::string record = storedFields(fields, 0);
  if (offset_ > std::numeric_limits<std::uint32_t>::max()) {
    throw DefinitionDataError("definitions file too large for a 32-bit address");
  }
  auto address = static_cast<std::uint32_t>(offset_);
  append(record + static_cast<char>(kRecordEnd));
  return address;
}

void DefinitionWriter::append(const std::string& record) {
  file_.writeBytesAt(static_cast<std::int64_t>(offset_), record);
  offset_ += record.size();
}

}  // namespace vorlane
