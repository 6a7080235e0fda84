#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <set>

#include "AssetFile.h"
#include "Assets.h"
#include "support/TempFolder.h"

namespace vorlane {
namespace {

using test::fileBytes;
using test::littleEndian;

// A bitmap read back from its bytes: pixels as red, green, blue, row 0 at the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::array<int, 3>> pixels;

  explicit Picture(const std::string& bmp)
      : width(static_cast<int>(littleEndian(bmp, 18, 4))),
        height(static_cast<int>(littleEndian(bmp, 22, 4))) {
    const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t offset = littleEndian(bmp, 10, 4);
    for (int y = 0; y < height; ++y) {
      const std::size_t row = offset + rowSize * static_cast<std::size_t>(height - 1 - y);
      for (int x = 0; x < width; ++x) {
        const std::size_t at = row + 3 * static_cast<std::size_t>(x);
        pixels.push_back({static_cast<unsigned char>(bmp.at(at + 2)),
                          static_cast<unsigned char>(bmp.at(at + 1)),
                          static_cast<unsigned char>(bmp.at(at))});
      }
    }
  }

  const std::array<int, 3>& at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y * width + x)];
  }

  // Mean difference of all channels between column a and column b.
  double columnJump(int a, int b) const {
    double sum = 0;
    for (int y = 0; y < height; ++y)
      for (int c = 0; c < 3; ++c) sum += std::abs(at(a, y)[c] - at(b, y)[c]);
    return sum / height;
  }
  double rowJump(int a, int b) const {
    double sum = 0;
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c) sum += std::abs(at(x, a)[c] - at(x, b)[c]);
    return sum / width;
  }

  std::array<double, 3> mean() const {
    std::array<double, 3> sum{};
    for (const auto& p : pixels)
      for (int c = 0; c < 3; ++c) sum[c] += p[c];
    for (double& s : sum) s /= static_cast<double>(pixels.size());
    return sum;
  }
};

using Mean = std::array<double, 3>;
bool blueish(const Mean& m) { return m[2] > m[0] + 30 && m[2] > m[1] + 20; }
bool yellowish(const Mean& m) { return m[0] > m[2] + 80 && m[1] > m[2] + 60; }
bool reddish(const Mean& m) { return m[0] > m[1] + 60 && m[0] > m[2] + 60; }
bool greenish(const Mean& m) { return m[1] > m[0] + 30 && m[1] > m[2] + 20; }
bool purplish(const Mean& m) { return m[0] > m[1] + 30 && m[2] > m[1] + 40; }
bool tealish(const Mean& m) { return m[1] > m[0] + 50 && m[2] > m[0] + 50; }
bool greyish(const Mean& m) {
  return std::abs(m[0] - m[1]) < 15 && std::abs(m[1] - m[2]) < 15 && m[0] > 60 && m[0] < 200;
}
bool stoneish(const Mean& m) { return m[0] >= m[1] && m[1] >= m[2] && m[0] - m[2] < 60; }

struct PatternRow {
  const char* name;
  std::function<bool(const Mean&)> colour;
};
const PatternRow kPatterns[] = {
    {"blue.bmp", blueish},     {"cotebl.bmp", blueish},  {"cotejau.bmp", yellowish},
    {"diable.bmp", reddish},   {"gristra.bmp", greyish}, {"jaunbul.bmp", yellowish},
    {"mauve.bmp", purplish},   {"pave.bmp", stoneish},   {"redbul.bmp", reddish},
    {"riveteal.bmp", tealish}, {"riviol.bmp", purplish}, {"vert.bmp", greenish},
    {"vertmar.bmp", greenish}, {"violet.bmp", purplish}};

class PatternsTest : public ::testing::Test {
 protected:
  void SetUp() override { mkdata::writePatterns(temp.path()); }
  test::TempFolder temp;
};

TEST_F(PatternsTest, EveryPatternIsAnUncompressed24BitBitmap) {
  for (const PatternRow& row : kPatterns) {
    SCOPED_TRACE(row.name);
    const std::string bmp = fileBytes(temp.path() / row.name);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(littleEndian(bmp, 2, 4), bmp.size());
    EXPECT_EQ(littleEndian(bmp, 10, 4), 54u);
    EXPECT_EQ(littleEndian(bmp, 14, 4), 40u);
    const std::uint32_t width = littleEndian(bmp, 18, 4);
    const std::uint32_t height = littleEndian(bmp, 22, 4);
    EXPECT_TRUE(width == 64 || width == 128);
    EXPECT_EQ(height, width);
    EXPECT_EQ(littleEndian(bmp, 26, 2), 1u);
    EXPECT_EQ(littleEndian(bmp, 28, 2), 24u);
    EXPECT_EQ(littleEndian(bmp, 30, 4), 0u);
    EXPECT_EQ(bmp.size(), 54u + (width * 3 + 3) / 4 * 4 * height);
  }
}

TEST_F(PatternsTest, TheJumpAtTheWrapIsNoLargerThanBetweenInnerNeighbours) {
  for (const PatternRow& row : kPatterns) {
    SCOPED_TRACE(row.name);
    const Picture p(fileBytes(temp.path() / row.name));
    double innerColumns = 0;
    double innerRows = 0;
    for (int i = 0; i + 1 < p.width; ++i)
      innerColumns = std::max(innerColumns, p.columnJump(i, i + 1));
    for (int i = 0; i + 1 < p.height; ++i) innerRows = std::max(innerRows, p.rowJump(i, i + 1));
    EXPECT_GT(innerColumns + innerRows, 0.0) << "a flat picture";
    EXPECT_LE(p.columnJump(p.width - 1, 0), innerColumns);
    EXPECT_LE(p.rowJump(p.height - 1, 0), innerRows);
  }
}

TEST_F(PatternsTest, EachPatternHasTheColourOfItsName) {
  for (const PatternRow& row : kPatterns) {
    const Mean m = Picture(fileBytes(temp.path() / row.name)).mean();
    EXPECT_TRUE(row.colour(m)) << row.name << " mean " << m[0] << ", " << m[1] << ", " << m[2];
  }
}

TEST_F(PatternsTest, PatternsAreDistinctAndRewritingGivesTheSameBytes) {
  test::TempFolder other;
  mkdata::writePatterns(other.path());
  std::set<std::string> seen;
  for (const PatternRow& row : kPatterns) {
    const std::string bmp = fileBytes(temp.path() / row.name);
    EXPECT_TRUE(seen.insert(bmp).second) << row.name << " repeats another pattern";
    EXPECT_EQ(bmp, fileBytes(other.path() / row.name)) << row.name;
  }
}

}  // namespace
}  // namespace vorlane
