#include "app/DesktopForms.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/HelpViewer.h"
#include "support/TempFolder.h"
#include "support/XdgSandbox.h"

namespace vorlane {
namespace {

namespace fs = std::filesystem;

class DesktopFormsTest : public ::testing::Test {
 protected:
  std::optional<int> run(const QStringList& arguments) {
    return runDesktopForm(arguments, program.path());
  }
  // Closes the next modal box and keeps its text.
  void closeNextBox() {
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      boxText = box->text();
      box->accept();
    });
  }

  test::XdgSandbox xdg;
  test::TempFolder program;
  QString boxText;
};

TEST_F(DesktopFormsTest, OnlyTheTwoFormsKeepTheGameFromStarting) {
  EXPECT_FALSE(run({"Vorlane"}));
  EXPECT_FALSE(run({"Vorlane", "insrac"}));
  EXPECT_FALSE(run({"Vorlane", "aide"}));
  EXPECT_FALSE(run({"Vorlane", "--WEB"}));
}

TEST_F(DesktopFormsTest, WebFormOpensTheHomePageOrSaysTheConnectionIsImpossible) {
  const fs::path record = xdg.root().path() / "arguments.txt";
  xdg.root().writeFile("browse", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.string() +
                                     ".part'\nmv '" + record.string() + ".part' '" +
                                     record.string() + "'\n");
  fs::permissions(xdg.root().path() / "browse", fs::perms::owner_all);
  xdg.set("BROWSER", (xdg.root().path() / "browse").string());
  EXPECT_EQ(run({"Vorlane", "--web"}), 0);
  for (int waited = 0; !fs::exists(record) && waited < 5000; waited += 20) QTest::qWait(20);
  EXPECT_EQ(xdg.root().readFile("arguments.txt"), "https://vorlane.example.org/\n");

  xdg.set("BROWSER", std::nullopt);
  closeNextBox();
  EXPECT_EQ(run({"Vorlane", "--web"}), 1);
  EXPECT_EQ(boxText, QStringLiteral("Connexion impossible..."));
}

TEST_F(DesktopFormsTest, HelpFormShowsOnlyTheHelpViewerUntilItIsClosed) {
  program.writeFile("VORLANE.HLP",
                    "<html><body><p>Haut</p><a name=\"sommaire\"></a>Sommaire</body></html>");
  QString shown;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* viewer = dynamic_cast<HelpViewer*>(window);
      if (!viewer || !viewer->isVisible()) continue;
      shown = viewer->browser()->source().toString();
      viewer->close();
    }
  });
  EXPECT_EQ(run({"Vorlane", "--aide"}), 0);
  EXPECT_EQ(shown,
            QUrl::fromLocalFile(QString::fromStdString((program.path() / "VORLANE.HLP").string()))
                    .toString() +
                "#sommaire");

  closeNextBox();
  EXPECT_EQ(
      run({"Vorlane", "--aide", QString::fromStdString((program.path() / "Cerf.hlp").string())}),
      1);
  EXPECT_TRUE(boxText.contains("Cerf.hlp"));
}

}  // namespace
}  // namespace vorlane
