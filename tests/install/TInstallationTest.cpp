#include "install/TInstallation.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

class TInstallationTest : public ::testing::Test {
 protected:
  TInstallationTest() {
    for (const char* file : {"Vorlane", "Lisezmoi.txt", "Zari666/azl.666"})
      medium.writeFile(file, file);
    mainWindow.show();
  }

  template <class T>
  T* child(const char* name) const {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void click(const char* button) {
    QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
  }
  QString text(const char* button) { return child<QAbstractButton>(button)->text(); }
  QString home() const { return QString::fromStdString(folder.path().native()) + "/"; }

  TInstallation::Services services() {
    return {[this](std::string_view sound) { sounds.emplace_back(sound); },
            [this](QWidget*, const fs::path&) { return chosen; },
            [this](const fs::path& program, std::string_view word, const fs::path& into) {
              handedOver = {program.native(), std::string(word), into.native()};
            }};
  }

  test::TempFolder medium;
  test::TempFolder folder;
  QWidget mainWindow;
  std::vector<std::string> sounds;
  fs::path chosen;
  std::vector<std::string> handedOver;
  TInstallation window{&mainWindow, medium.path(), folder.path(), services()};
};

TEST_F(TInstallationTest, FirstPageThenFolderPageThenBack) {
  window.show();
  EXPECT_EQ(window.windowTitle(), "Bienvenue !");
  EXPECT_EQ(window.size(), QSize(462, 207));
  EXPECT_FALSE(child<QLabel>("Panel1")->isVisible());
  EXPECT_FALSE(child<QCheckBox>("raccourci")->isVisible());
  EXPECT_EQ(text("Button1"), "Installer");
  EXPECT_EQ(text("Button2"), "Plus tard");
  EXPECT_EQ(text("maj"), QStringLiteral("Mettre à jour"));
  EXPECT_TRUE(child<QPlainTextEdit>("Memo")->toPlainText().startsWith(
      QStringLiteral("Vous venez de lancer Vorlane.exe version 1.3 à partir d'un disque protégé")));

  click("Button1");
  EXPECT_EQ(window.windowTitle(), "Installation dans");
  EXPECT_EQ(child<QLabel>("Panel1")->text(), home());
  EXPECT_TRUE(child<QCheckBox>("raccourci")->isChecked());
  EXPECT_TRUE(child<QToolButton>("SpeedButton1")->isVisible());
  EXPECT_EQ(child<QPlainTextEdit>("Memo")->y(), 64);
  EXPECT_EQ(text("Button2"), "Annuler");

  click("maj");
  EXPECT_EQ(window.windowTitle(), "Bienvenue !");
  EXPECT_EQ(child<QPlainTextEdit>("Memo")->y(), 13);
}

TEST_F(TInstallationTest, InstallerCopiesAndHandsOverToTheNewCopy) {
  window.show();
  click("Button1");
  click("raccourci");
  click("Button1");
  const std::string installed = (folder.path() / "Vorlane").native();
  EXPECT_EQ(handedOver, (std::vector<std::string>{installed + "/Vorlane", "ins", installed}));
  EXPECT_TRUE(folder.exists("Vorlane/Zari666/azl.666"));
  EXPECT_EQ(window.windowTitle(),
            QStringLiteral("Installation dans ") + QString::fromStdString(installed));
  EXPECT_EQ(child<QProgressBar>("Gauge1")->maximum(), 2);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(TInstallationTest, EscapeHidesTheWindowWhichComesBackOnItsPage) {
  window.show();
  click("Button1");
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  window.show();
  EXPECT_EQ(window.windowTitle(), "Installation dans");
}

TEST_F(TInstallationTest, BrowsingToAnEarlierCopySwitchesToUpdate) {
  window.show();
  click("Button1");
  folder.writeFile("jeux/Vorlane", "ancien");
  chosen = folder.path() / "jeux";
  click("SpeedButton1");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Mise à jour dans"));
  EXPECT_EQ(child<QLabel>("Panel1")->text(), home() + "jeux/");
  EXPECT_EQ(text("Button1"), QStringLiteral("Mettre à jour"));
  click("Button1");
  EXPECT_EQ(handedOver.at(1), "majrac");
}

}  // namespace
}  // namespace vorlane
