#include <gtest/gtest.h>

#include <string>

#include "data/DefinitionMask.h"
#include "data/TextCodec.h"

namespace vorlane {
namespace {

struct MaskRow {
  const char* headword;  // UTF-8
  const char* text;
  const char* masked;
};

TEST(DefinitionMaskTest, HidesQuotedPassagesAndTheWord) {
  const MaskRow rows[] = {
      {"extase", "a \"b c\" d", "a \"...\" d"},
      {"extase", "x \"un\" y \"deux\" z", "x \"...\" y \"...\" z"},
      {"extase", "avant \"après tout", "avant "},
      {"extase", "\"\"", "\"...\""},
      {"extase", "\"extase\" puis Extase", "\"...\" puis ......"},
      {"barque", "BARQUES", "......S"},
      {"barque", "barquebarque.", "............."},
      {"dragée", "DRAGEE et dragée", "...... et ......"},
      {"barque", "rien à cacher", "rien à cacher"},
      {"épurer", "Épurer de l'eau, ÉPURER.", "...... de l'eau, ......."},
      {"église", "L'Église primitive.", "L'...... primitive."},
      {"ôtâmes", "ÔTÂMES", "......"},
      {"", "rien à cacher", "rien à cacher"},
  };
  for (const MaskRow& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(win1252ToUtf8(maskDefinition(toWin1252(row.headword), toWin1252(row.text))),
              row.masked);
  }
}

// The key folds every accented capital to its bare letter, one byte for one byte, and
// nothing else: the capitals that are no accented vowel, Ç or Ñ keep their byte. Small
// letters are upper-cased first, so ã folds as Ã does.
TEST(DefinitionMaskTest, TheKeyFoldsEveryAccentedCapitalAndOnlyThem) {
  EXPECT_EQ(win1252ToUtf8(maskKey(toWin1252("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"))),
            "AAAAAAÆCEEEEIIIIÐNOOOOO×ØUUUUÝÞß");
  EXPECT_EQ(win1252ToUtf8(maskKey(toWin1252("àâäçéèêëîïñôöùûü ãåìíòóõú"))),
            "AAACEEEEIINOOUUU AAIIOOOU");
  EXPECT_EQ(win1252ToUtf8(maskDefinition(toWin1252("ourdît"), toWin1252("OÙRDÎT, Ourdît."))),
            "......, .......");
}

}  // namespace
}  // namespace vorlane
