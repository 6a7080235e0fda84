// The background window as the X server shows it: the runner starts its own Xvfb, shows
// the window and reads the screen back pixel by pixel. Without Xvfb the checks are skipped.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "controls/BackgroundRules.h"
#include "controls/TForm2.h"
#include "data/DataFolder.h"
#include "data/Settings.h"
#include "support/TempFolder.h"

namespace vorlane::test {
namespace {

bool screenAvailable = false;

// An Xvfb server on a display of its own choosing, stopped with the object.
class XvfbServer {
 public:
  XvfbServer() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    int fds[2];
    if (program.isEmpty() || pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const std::string path = program.toStdString();
      const std::string fd = std::to_string(fds[1]);
      execl(path.c_str(), "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
            "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // The number comes in pieces, ended by a new line; the server stops if no one reads it.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

class BackgroundScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!screenAvailable) GTEST_SKIP() << "Xvfb is not installed: the screen checks are skipped";
    temp.writeFile("Zari666/Prefint.666", std::string(4 * setting::kRecordCount, '\0'));
    folder.setWritable(true);
    settings.writeSetting(setting::kPattern, kMagentaGradient);
    settings.writeSetting(setting::kBackgroundShown, 1);
  }
  // Reads the whole screen back from the server once the window has painted.
  QImage screenShot() {
    QTest::qWait(200);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  }
  // Gives `pattern` for every pattern the background asks for, noting each in `asked`.
  TForm2::PatternSource notingSource(const QImage& pattern) {
    return [this, pattern](int index) {
      asked.push_back(index);
      return QPixmap::fromImage(pattern);
    };
  }

  TempFolder temp;
  DataFolder folder{temp.path()};
  Settings settings{folder};
  std::vector<int> asked;
};

TEST_F(BackgroundScreenTest, GradientAndTiledPatternOnTheScreen) {
  const ColourTable colours{kTeal, kTeal, kWhite, kWhite};
  TForm2 background(settings, colours, nullptr, nullptr);
  ASSERT_TRUE(background.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&background));
  QImage screen = screenShot();
  EXPECT_EQ(screen.pixelColor(0, 0), QColor(255, 0, 255));
  EXPECT_EQ(screen.pixelColor(1199, 15), QColor(255, 0, 255));
  EXPECT_EQ(screen.pixelColor(600, 16), QColor(251, 0, 251));
  EXPECT_EQ(screen.pixelColor(600, 500), QColor(255 - 4 * 31, 0, 255 - 4 * 31));
  EXPECT_EQ(screen.pixelColor(10, 999), QColor(7, 0, 7));
  EXPECT_NE(screen.pixelColor(1250, 500), QColor(255 - 4 * 31, 0, 255 - 4 * 31))
      << "the window is 1200 pixels wide, whatever the screen";

  // A 32 × 32 pattern in four quarters, tiled from the top-left corner, the last column
  // and row clipped.
  QImage pattern(32, 32, QImage::Format_RGB32);
  pattern.fill(QColor(10, 20, 30));
  for (int y = 0; y < 16; ++y)
    for (int x = 16; x < 32; ++x) pattern.setPixelColor(x, y, QColor(200, 100, 0));
  background.setPatternSource(notingSource(pattern));
  background.setPatternIndex(kLastPattern);
  background.update();
  screen = screenShot();
  // Read once for its first picture, not again for each repaint or the same choice again.
  background.setPatternIndex(kLastPattern);
  background.update();
  QTest::qWait(100);
  EXPECT_EQ(asked, std::vector<int>{kLastPattern});
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 38; ++column) {
      const int left = column * 32;
      const int top = row * 32;
      ASSERT_EQ(screen.pixelColor(left + 3, top + 3), QColor(10, 20, 30)) << column << "," << row;
      if (left + 20 < 1200) {
        ASSERT_EQ(screen.pixelColor(left + 20, top + 3), QColor(200, 100, 0)) << column << "," << row;
      }
    }
  }
}

// Most players keep the background hidden: it then makes no window on the screen and reads
// no pattern, until it first shows.
TEST_F(BackgroundScreenTest, HiddenBackgroundReadsItsPatternWhenItFirstShows) {
  settings.writeSetting(setting::kPattern, kFirstPattern);
  settings.writeSetting(setting::kBackgroundShown, 0);
  const ColourTable colours{kTeal, kTeal, kWhite, kWhite};
  TForm2 background(settings, colours, nullptr, nullptr);
  QImage pattern(8, 8, QImage::Format_RGB32);
  pattern.fill(QColor(40, 90, 160));
  background.setPatternSource(notingSource(pattern));
  QTest::qWait(100);
  EXPECT_FALSE(background.windowHandle());
  EXPECT_TRUE(asked.empty());

  background.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&background));
  EXPECT_EQ(screenShot().pixelColor(900, 700), QColor(40, 90, 160));
  EXPECT_EQ(asked, std::vector<int>{kFirstPattern});
  // Another pattern is read when it is chosen and painted.
  background.setPatternIndex(kFirstPattern + 1);
  background.update();
  screenShot();
  EXPECT_EQ(asked, (std::vector<int>{kFirstPattern, kFirstPattern + 1}));
}

}  // namespace
}  // namespace vorlane::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vorlane::test::XvfbServer server;
  if (server.display().empty()) {
    std::puts("Xvfb is not installed: the screen checks are skipped.");
    qputenv("QT_QPA_PLATFORM", "offscreen");
  } else {
    qputenv("DISPLAY", QByteArray::fromStdString(server.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    vorlane::test::screenAvailable = true;
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
