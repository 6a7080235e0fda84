#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/WordLists.h"

namespace vorlane {

class DataFolder;

inline constexpr std::string_view kDefinitionsFile = "Dicx.666";
// A stored byte 35 ("#") ends a record; 166 separates its fields.
inline constexpr unsigned char kRecordEnd = 35;
inline constexpr unsigned char kFieldSeparator = 166;

// The data set's own values, shared by the reader and the writer of "Dicx.666".
// Masks: positive multiples of 100 under 3000. Shifts: 4 or more, so that no printable
// text byte is ever stored as 35.
extern const std::array<std::uint32_t, 10> addressMaskTable;
extern const std::array<int, 10> shiftTable;

// A stored byte of a scrambled record back to its text byte; the wrap is over 255, not
// 256: the stored files rely on it.
unsigned char unscrambleByte(unsigned char stored, int shift);

// How many lines a text takes in a row's definition box: the window measures it with the
// box's width and font; tests give a simple rule.
class LineMeasure {
 public:
  virtual ~LineMeasure() = default;
  virtual int lineCount(int row, const std::string& text) const = 0;
};

// One row's definition box (rows 1..14, and 15 for the enlarged box) with its two text
// stores. Texts are Windows-1252.
struct DefinitionBox {
  std::vector<std::string> lines;  // one entry per text appended to the box
  int tag = 0;                     // line count × lineHeight, at least lineHeight
  std::string fullTexts;           // "#" + long-form text, oldest first
  std::string maskedTexts;         // "#" + shown text, oldest first
  bool operator==(const DefinitionBox&) const = default;
};

// `definitionEntries`: the word-list records of one word, at most ten. Text = display form
// of the spelling (empty: unused); levelOrKind = the kind byte; linkOrAddress = the byte
// offset in "Dicx.666" with the mask removed. The record number is not used.
inline constexpr std::size_t kDefinitionEntryCount = 10;
using DefinitionEntries = std::array<TableauNivAd, kDefinitionEntryCount>;

// Reads the definitions of a word from "Dicx.666" through the word list, unscrambles
// them and writes both forms into a row's box. Nothing is cached: every call opens the
// files it needs. A record not terminated before the end of the file, or an address
// outside it, throws IoError and leaves the box as it was; a missing "Dicx.666" shows
// nothing.
class Definitions {
 public:
  Definitions(const DataFolder& folder, const WordLists& words, const LineMeasure& measure);

  // `word` is a plain form; `longForm` off gives the masked short form of a hint.
  void lookUpDefinitions(std::string_view word, int row, bool longForm, DefinitionBox& box,
                         int lineHeight) const;

  // The entries of a word (plain form): its records from its first one on, with the one
  // jump to the appendix of every word search; none when the word is absent.
  DefinitionEntries definitionEntries(std::string_view word) const;

  // Common words' records first, then plain ones, each in entry order; the long-form
  // texts go to box.fullTexts (a damaged entry's line excepted).
  void buildDefinitions(const DefinitionEntries& entries, int row, bool longForm,
                        DefinitionBox& box, int lineHeight) const;

  // Appends `text` (masked first when `longForm` is off) to the box as one more line and
  // to box.maskedTexts, and sets the box's tag.
  void showDefinition(std::string_view headword, std::string text, DefinitionBox& box, int row,
                      bool longForm, int lineHeight) const;

 private:
  const DataFolder& folder_;
  const WordLists& words_;
  const LineMeasure& measure_;
};

}  // namespace vorlane
