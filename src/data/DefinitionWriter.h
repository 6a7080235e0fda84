#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/RecordFile.h"

namespace vorlane {

// A definition text that cannot be stored safely: a byte that would come out as 35 or 166
// where no end or separator is meant, a byte 255, or a character that the game would not
// show as written.
class DefinitionDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes "Dicx.666". Fields are display texts (Windows-1252), joined by the separator
// byte 166 and ended by "#". No record starts at offset 0: address 0 means "no text"
// (kind 0) or a damaged entry (kind ≠ 0). A refused record leaves the file unchanged.
class DefinitionWriter {
 public:
  // Creates the file, or empties it, and writes the one "#" byte that keeps offset 0 free.
  explicit DefinitionWriter(const std::filesystem::path& dicxPath);

  // A common word's record (kind ≠ 0): headword, category, definition [, more fields],
  // scrambled with the shift of its true offset. `wordRecord` is the word's record number
  // in "Azl.666". Returns the address to store there (offset + mask).
  std::uint32_t appendScrambled(std::int32_t wordRecord, const std::vector<std::string>& fields);

  // A plain record (kind 0): first field, then the rest. Returns its offset.
  std::uint32_t appendPlain(const std::vector<std::string>& fields);

  std::uint64_t size() const { return offset_; }

 private:
  // The fields as stored bytes joined by separators, before any scrambling; `shift` is
  // the record's shift, or 0 for a plain record.
  static std::string storedFields(const std::vector<std::string>& fields, int shift);
  void append(const std::string& record);

  RecordFile file_;
  std::uint64_t offset_ = 0;
};

}  // namespace vorlane
