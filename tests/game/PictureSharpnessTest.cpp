#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "game/PictureButton.h"
#include "game/Pictures.h"
#include "game/TForm1TestFixture.h"

namespace vorlane::test {
namespace {

// The colours a picture is drawn with, as its SVG names them.
std::vector<QColor> paletteOf(const QString& picture) {
  QFile file(QStringLiteral(":/pictures/%1.svg").arg(picture));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << picture.toStdString();
  const QString svg = QString::fromUtf8(file.readAll());
  std::vector<QColor> colours;
  const QRegularExpression hex(QStringLiteral("#[0-9a-fA-F]{6}\\b"));
  for (auto match = hex.globalMatch(svg); match.hasNext();) colours.emplace_back(match.next().captured());
  return colours;
}

// Pixels that are none of the picture's colours nor the ground: the half-tones of its
// edges. A sharp edge has a band of them one device pixel wide, so their number grows with
// the pixel ratio; an enlarged picture's bands grow with its square. Divided by the ratio,
// a sharp picture gives the same softness at every scale.
double softness(const QImage& image, const std::vector<QColor>& palette, QColor ground) {
  std::vector<QColor> solid = palette;
  solid.push_back(ground);
  int halfTones = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      bool isSolid = false;
      for (const QColor& s : solid) {
        isSolid = isSolid || (std::abs(c.red() - s.red()) < 24 && std::abs(c.green() - s.green()) < 24 &&
                              std::abs(c.blue() - s.blue()) < 24);
      }
      if (!isSolid) ++halfTones;
    }
  }
  return halfTones / image.devicePixelRatio();
}

using PictureSharpnessTest = TForm1Test;

// Run at the usual scale and again with QT_SCALE_FACTOR=2: on screen each picture is as
// sharp as the same picture drawn at scale 1.
TEST_F(PictureSharpnessTest, EveryPictureIsAsSharpAsAtScaleOne) {
  start();
  const qreal ratio = form->devicePixelRatioF();
  const QColor ground = form->palette().color(QPalette::Window);
  const QColor messageGround = message->palette().color(QPalette::Window);
  std::vector<std::pair<QWidget*, QString>> pictures;
  for (PictureButton* button :
       {form->imageMOT(), form->imageFIN(), form->imageTETE(), form->bookButton(1)}) {
    button->show();
    pictures.emplace_back(button, button->picture());
  }
  pictures.emplace_back(message->findChild<QLabel*>("Image1"), "message1");
  for (const auto& [picture, name] : pictures) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_NE(picture, nullptr);
    const QImage shown = picture->grab().toImage();
    ASSERT_EQ(shown.width(), qRound(picture->width() * ratio));
    const QImage atScaleOne = loadPicture(name, picture->size(), 1.0).toImage();
    QImage onGround(atScaleOne.size(), QImage::Format_RGB32);
    const QColor under = picture->window() == form.get() ? ground : messageGround;
    onGround.fill(under);
    {
      QPainter painter(&onGround);
      painter.drawImage(0, 0, atScaleOne);
    }
    const std::vector<QColor> palette = paletteOf(name);
    const double shownSoftness = softness(shown, palette, under);
    const double scaleOneSoftness = softness(onGround, palette, under);
    std::printf("picture %s at ratio %.0f: softness %.1f (at scale 1: %.1f)\n",
                qPrintable(name), ratio, shownSoftness, scaleOneSoftness);
    EXPECT_GT(shownSoftness, 0) << "the picture is drawn";
    EXPECT_LE(shownSoftness, scaleOneSoftness * 1.3 + 2);
  }
}

// Only the same picture asked again at the same size and pixel ratio is the same drawing:
// the rows' books share one, and a screen of another ratio gets its own.
TEST(LoadPictureTest, APictureIsDrawnOnceForEachSizeAndRatio) {
  const QPixmap book = loadPicture("liv", QSize(24, 24), 1.0);
  EXPECT_EQ(loadPicture("liv", QSize(24, 24), 1.0).cacheKey(), book.cacheKey());
  const QPixmap sharp = loadPicture("liv", QSize(24, 24), 2.0);
  EXPECT_EQ(sharp.size(), QSize(48, 48));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  EXPECT_EQ(loadPicture("liv", QSize(24, 30), 1.0).size(), QSize(24, 30));
  EXPECT_EQ(loadPicture("liv", QSize(30, 24), 1.0).size(), QSize(30, 24));
  EXPECT_NE(loadPicture("mot", QSize(24, 24), 1.0).toImage(), book.toImage());
}

}  // namespace
}  // namespace vorlane::test
