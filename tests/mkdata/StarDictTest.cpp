#include <gtest/gtest.h>

#include <zlib.h>

#include "StarDict.h"
#include "data/IoError.h"
#include "support/TempFolder.h"

namespace vorlane::mkdata {
namespace {

std::string indexEntry(const std::string& name, std::uint32_t offset, std::uint32_t size) {
  std::string bytes = name + '\0';
  for (std::uint32_t value : {offset, size}) {
    for (int shift = 24; shift >= 0; shift -= 8)
      bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
  }
  return bytes;
}

TEST(StarDictTest, IndexNamesPointAtTheirArticles) {
  std::string index = indexEntry("EPOQUE", 0, 6) + indexEntry("ÉPOQUE", 0, 6) +
                      indexEntry("MAISON", 6, 6) + indexEntry("HORS", 9, 50);
  StarDict dict(index, "epoquemaison");
  ASSERT_EQ(dict.index().size(), 4u);
  EXPECT_EQ(dict.index()[1].name, "ÉPOQUE");
  EXPECT_EQ(dict.article(dict.index()[0]), "epoque");
  EXPECT_EQ(dict.article(dict.index()[2]), "maison");
  EXPECT_EQ(dict.article(dict.index()[3]), "");  // past the end: nothing, no overread
}

TEST(StarDictTest, ATruncatedIndexIsAnError) {
  std::string index = indexEntry("MAISON", 0, 5);
  EXPECT_THROW(StarDict(index.substr(0, index.size() - 2), "maison"), IoError);
  EXPECT_THROW(StarDict("MAISON", "maison"), IoError);
}

TEST(StarDictTest, ReadsTheIndexAndTheGzipArticlesFromFiles) {
  test::TempFolder folder;
  folder.writeFile("dict.idx", indexEntry("AIMER", 0, 5) + indexEntry("AMER", 5, 4));
  gzFile gz = gzopen((folder.path() / "dict.dict.dz").c_str(), "wb");
  ASSERT_NE(gz, nullptr);
  gzputs(gz, "aimeramer");
  gzclose(gz);
  StarDict dict(folder.path() / "dict");
  EXPECT_EQ(dict.article(dict.index()[1]), "amer");
  EXPECT_EQ(dict.articles(), "aimeramer");
}

TEST(StarDictTest, MissingOrTruncatedFilesAreErrorsNamingTheFile) {
  test::TempFolder folder;
  EXPECT_THROW(StarDict(folder.path() / "absent"), IoError);
  gzFile gz = gzopen((folder.path() / "whole.gz").c_str(), "wb");
  ASSERT_NE(gz, nullptr);
  for (int i = 0; i < 200; ++i) gzprintf(gz, "article %d du dictionnaire ; ", i);
  gzclose(gz);
  std::string whole = folder.readFile("whole.gz");
  folder.writeFile("cut.idx", indexEntry("A", 0, 1));
  folder.writeFile("cut.dict.dz", whole.substr(0, whole.size() / 2));
  try {
    StarDict dict(folder.path() / "cut");
    FAIL() << "a truncated article stream was accepted";
  } catch (const IoError& e) {
    EXPECT_EQ(e.file(), folder.path() / "cut.dict.dz");
  }
}

}  // namespace
}  // namespace vorlane::mkdata
