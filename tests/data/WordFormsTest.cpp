// The word-form list: written sorted and once each, found by halving whatever its size, and
// answering "no" rather than failing when it is missing or damaged.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/WordForms.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::TempFolder;

class WordFormsTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return temp.dataFolder() / "Formes.666"; }

  TempFolder temp;
  DataFolder folder{temp.path()};
  WordForms forms{folder};
};

TEST_F(WordFormsTest, EverySixLetterFormWrittenIsFoundAndNothingElse) {
  // Out of order, twice over, with texts that are no six-letter plain form.
  std::vector<std::string> given = {"PEPINS", "CHERES", "ABAQUE", "ZYTHUM",  "CHERES",
                                    "CHERE",  "Cheres", "CHÈRES", "ALIENS7", ""};
  for (int i = 0; i < 500; ++i) {  // enough records for the halving to matter
    given.push_back(std::string("M") + static_cast<char>('A' + i % 26) +
                    static_cast<char>('A' + i / 26) + "OTS");
  }
  const std::size_t written = writeWordForms(file(), given);
  EXPECT_EQ(written, 4u + 500u);
  EXPECT_EQ(std::filesystem::file_size(file()), written * 6);
  EXPECT_EQ(temp.readFile("Zari666/Formes.666").substr(0, 12), "ABAQUECHERES");

  for (const char* word : {"ABAQUE", "CHERES", "PEPINS", "ZYTHUM", "MAAOTS", "MZSOTS"}) {
    EXPECT_TRUE(forms.isWordForm(word)) << word;
  }
  for (const char* word : {"AAAAAA", "ZZZZZZ", "CHERER", "CHERE", "cheres", "MAAOTSS", ""}) {
    EXPECT_FALSE(forms.isWordForm(word)) << word;
  }
}

TEST_F(WordFormsTest, AMissingOrDamagedListKnowsNoWord) {
  EXPECT_FALSE(forms.isWordForm("CHERES"));  // no file at all
  writeWordForms(file(), {"ABAQUE", "CHERES", "PEPINS"});
  ASSERT_TRUE(forms.isWordForm("CHERES"));
  temp.writeFile("Zari666/Formes.666", "ABAQUECHERESPEPIN");  // cut short
  EXPECT_FALSE(forms.isWordForm("CHERES"));
  temp.writeFile("Zari666/Formes.666", "");
  EXPECT_FALSE(forms.isWordForm("CHERES"));
  std::filesystem::remove(file());
  std::filesystem::create_directory(file());  // a folder where the file should be
  EXPECT_FALSE(forms.isWordForm("CHERES"));
}

}  // namespace
}  // namespace vorlane
