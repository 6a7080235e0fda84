#include "app/VorlaneApplication.h"

#include <QAction>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/IoErrorReport.h"
#include "data/IoError.h"
#include "platform/GameFonts.h"

namespace vorlane {
namespace {

// An object whose every event fails as a file operation would.
class FailingObject : public QObject {
 public:
  bool event(QEvent*) override { throw IoError("Zari666/Prefint.666", "lecture impossible"); }
};

class VorlaneApplicationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<VorlaneApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app.reset(); }

  void SetUp() override {
    setIoErrorReporter([this](const IoError& error) { reported.push_back(error.file().string()); });
  }
  void TearDown() override { setIoErrorReporter({}); }

  static std::unique_ptr<VorlaneApplication> app;
  std::vector<std::string> reported;
};

std::unique_ptr<VorlaneApplication> VorlaneApplicationTest::app;

TEST_F(VorlaneApplicationTest, FileFailureInAnEventIsReportedByTheDispatch) {
  FailingObject failing;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
  EXPECT_EQ(reported, std::vector<std::string>{"Zari666/Prefint.666"});
}

TEST_F(VorlaneApplicationTest, FileFailureInATimerSlotLeavesTheEventLoopRunning) {
  QEventLoop loop;
  int ticksAfterFailure = 0;
  QTimer::singleShot(0, &loop, [] { throw IoError("stx.666", "lecture impossible"); });
  QTimer::singleShot(10, &loop, [&] {
    ++ticksAfterFailure;
    loop.quit();
  });
  loop.exec();
  EXPECT_EQ(reported, std::vector<std::string>{"stx.666"});
  EXPECT_EQ(ticksAfterFailure, 1);
}

// Every window's text is Arial, or the face the system gives in its place, and is asked for
// by a name the font database holds: a name it lacks costs a search of every font.
TEST_F(VorlaneApplicationTest, TextFacesAreAskedForByNamesTheSystemHas) {
  const QString arialFace = QFontInfo(QFont(QStringLiteral("Arial"))).family();
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), arialFace);
  const QFont bold = arialFont(13, true);
  EXPECT_EQ(QFontInfo(bold).family(), arialFace);
  EXPECT_TRUE(QFontDatabase::hasFamily(bold.family())) << bold.family().toStdString();
  EXPECT_TRUE(bold.bold());
  EXPECT_EQ(bold.pixelSize(), 13);
  EXPECT_EQ(installedFamilyOrStandIn(QStringLiteral("Liberation Mono")),
            QStringLiteral("Liberation Mono"));
  EXPECT_EQ(installedFamilyOrStandIn(QStringLiteral("MS Sans Serif 1990")),
            QStringLiteral("Liberation Sans"));
}

// Between draws "Définition" and the letter entry are disabled: they must look it.
TEST_F(VorlaneApplicationTest, DisabledEntriesAreGreyed) {
  QMenu menu;
  QAction* enabled = menu.addAction(QStringLiteral("Agrandir définition"));
  QAction* disabled = menu.addAction(QStringLiteral("Définition"));
  disabled->setEnabled(false);
  menu.resize(menu.sizeHint());
  const QImage shot = menu.grab().toImage();
  auto darkestIn = [&](QAction* action) {
    int darkest = 255;
    const QRect place = menu.actionGeometry(action);
    for (int y = place.top(); y <= place.bottom(); ++y)
      for (int x = place.left(); x <= place.right(); ++x)
        darkest = std::min(darkest, qGray(shot.pixel(x, y)));
    return darkest;
  };
  EXPECT_LT(darkestIn(enabled), 0x40);
  EXPECT_GE(darkestIn(disabled), 0x70);
}

}  // namespace
}  // namespace vorlane
