#include "controls/ColorRef.h"
#include "controls/ControlWindow.h"
#include "controls/Tkey_in.h"
#include "controls/Tkeybt.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

using test::pixel;

// The raised tile of the letter keyboard and the letter input box: face, a 2-pixel
// bevel, light left and top, dark right and bottom and the top-right and bottom-left
// corner pixels of each ring.
template <typename Control>
class RaisedTileTest : public ::testing::Test {
 protected:
  // Pixels of tile 1 (x = 25..49), a blank tile, in the colour given.
  QImage blankTile(std::uint32_t colorRef) {
    control.setText("A A");
    control.setColorRef(colorRef);
    return control.grab().toImage();
  }

  QRgb system(QPalette::ColorRole role) const {
    return control.palette().color(QPalette::Active, role).rgb();
  }

  Control control;
};

using RaisedControls = ::testing::Types<Tkeybt, Tkey_in>;
TYPED_TEST_SUITE(RaisedTileTest, RaisedControls);

TYPED_TEST(RaisedTileTest, BevelIsTwoPixelsWithDarkCorners) {
  const QImage image = this->blankTile(0x336699);
  const QRgb face = qRgb(0x99, 0x66, 0x33);
  const QRgb light = this->system(QPalette::Light);
  const QRgb dark = this->system(QPalette::Dark);
  struct Row {
    int x, y;
    QRgb expected;
    const char* where;
  };
  const Row rows[] = {
      {25, 0, light, "outer top-left"},        {37, 0, light, "outer top"},
      {25, 12, light, "outer left"},           {49, 0, dark, "outer top-right corner"},
      {25, 24, dark, "outer bottom-left"},     {49, 12, dark, "outer right"},
      {37, 24, dark, "outer bottom"},          {26, 1, light, "inner top-left"},
      {26, 12, light, "inner left"},           {37, 1, light, "inner top"},
      {48, 1, dark, "inner top-right"},        {26, 23, dark, "inner bottom-left"},
      {48, 12, dark, "inner right"},           {37, 23, dark, "inner bottom"},
      {27, 2, face, "face inside the bevel"},  {37, 12, face, "blank face"},
      {47, 22, face, "face inside the bevel"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(pixel(image, row.x, row.y), row.expected) << row.where;
  }
}

TYPED_TEST(RaisedTileTest, WhiteTileTakesTheButtonFaceAsItsLightEdge) {
  const QImage white = this->blankTile(0xFFFFFF);
  EXPECT_EQ(pixel(white, 25, 0), this->system(QPalette::Button));
  EXPECT_EQ(pixel(white, 26, 12), this->system(QPalette::Button));
  EXPECT_EQ(pixel(white, 37, 12), qRgb(255, 255, 255));
  EXPECT_EQ(pixel(white, 49, 12), this->system(QPalette::Dark));

  const QImage nearWhite = this->blankTile(0xFFFFFE);
  EXPECT_EQ(pixel(nearWhite, 25, 0), this->system(QPalette::Light));
}

}  // namespace
}  // namespace vorlane
