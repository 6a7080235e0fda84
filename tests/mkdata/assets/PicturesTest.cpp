#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

namespace vorlane {
namespace {

struct PictureRow {
  const char* name;
  int width;
  int height;
};

// Every picture the shell loads, at the size of the control that shows it.
const PictureRow kPictures[] = {{"mot", 33, 33},      {"oeil", 33, 33},    {"fin", 33, 33},
                                {"oeilfin", 33, 33},  {"tete", 17, 17},    {"liv", 17, 17},
                                {"livouv", 17, 17},   {"livouv2", 17, 17}, {"message1", 32, 32},
                                {"message2", 32, 32}, {"about", 64, 64},   {"vorlane", 48, 48}};

QString resource(const char* name) { return QStringLiteral(":/pictures/%1.svg").arg(name); }

QImage render(const char* name, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(resource(name));
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

TEST(PicturesTest, EveryPictureIsAValidResourceOfItsControlsSize) {
  for (const PictureRow& row : kPictures) {
    SCOPED_TRACE(row.name);
    QSvgRenderer renderer(resource(row.name));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(row.width, row.height));
  }
}

TEST(PicturesTest, PicturesFillTheirBoxWithSeveralColours) {
  for (const PictureRow& row : kPictures) {
    SCOPED_TRACE(row.name);
    const QImage image = render(row.name, QSize(row.width, row.height));
    int opaque = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (qAlpha(pixel) == 255) ++opaque;
        colours.insert(pixel);
      }
    }
    EXPECT_GT(opaque * 2, row.width * row.height);
    EXPECT_GE(colours.size(), 4);
  }
}

TEST(PicturesTest, PicturesThatReplaceEachOtherLookDifferent) {
  const std::pair<const char*, const char*> pairs[] = {{"message1", "message2"},
                                                       {"mot", "fin"},
                                                       {"oeil", "oeilfin"},
                                                       {"liv", "livouv"},
                                                       {"livouv", "livouv2"}};
  for (auto [first, second] : pairs) {
    const QSize size = QSvgRenderer(resource(first)).defaultSize();
    EXPECT_NE(render(first, size), render(second, size)) << first << " and " << second;
  }
}

TEST(PicturesTest, TheWindowIconGivesPixmapsAtDesktopSizes) {
  const QIcon icon(resource("vorlane"));
  for (int size : {16, 32, 64}) {
    const QPixmap pixmap = icon.pixmap(size, size);
    EXPECT_EQ(pixmap.size(), QSize(size, size));
    EXPECT_GT(qAlpha(pixmap.toImage().pixel(size / 2, size / 2)), 0);
  }
}

}  // namespace
}  // namespace vorlane
