#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "controls/TGoToWeb.h"
#include "data/Settings.h"
#include "game/TForm1TestFixture.h"
#include "platform/HelpViewer.h"

namespace vorlane::test {
namespace {

using TForm1DesktopTest = TForm1Test;

QAction* diversEntry(const QMenu* menu, const QString& caption) {
  for (const QAction* action : menu->actions()) {
    if (action->text() != QStringLiteral("Divers...")) continue;
    for (QAction* entry : action->menu()->actions())
      if (entry->text() == caption) return entry;
  }
  return nullptr;
}

// The window states a widget goes through.
class StateRecorder : public QObject {
 public:
  std::vector<Qt::WindowStates> states;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange)
      states.push_back(static_cast<QWidget*>(watched)->windowState());
    return false;
  }
};

constexpr std::size_t kGroupFileCount = 7;  // the submenu, its name and five entries

namespace fs = std::filesystem;

// A browser stand-in registered as the desktop's default for HTML documents: a script
// that writes the arguments it was started with, one a line, to `record`.
void registerBrowser(const XdgSandbox& xdg, const fs::path& record) {
  const fs::path script = xdg.root().path() / "bin" / "browse";
  const std::string part = record.string() + ".part";
  xdg.root().writeFile("bin/browse", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + part + "'\nmv '" +
                                         part + "' '" + record.string() + "'\n");
  fs::permissions(script, fs::perms::owner_all);
  xdg.root().writeFile("data/applications/browse.desktop",
                       "[Desktop Entry]\nType=Application\nName=Navigateur\nExec=\"" +
                           script.string() + "\" --new-window %u\n");
  xdg.root().writeFile("config/mimeapps.list",
                       "[Default Applications]\ntext/html=browse.desktop;\n");
}

// The lines of `record` once the stand-in has written it; empty after five seconds.
std::vector<std::string> recordedArguments(const fs::path& record) {
  for (int waited = 0; !fs::exists(record) && waited < 5000; waited += 20) QTest::qWait(20);
  std::vector<std::string> lines;
  std::ifstream in(record);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  fs::remove(record);
  return lines;
}

TEST_F(TForm1DesktopTest, ReinstallEntryMinimisesRebuildsTheGroupAndRestores) {
  start();
  QAction* reinstall = diversEntry(
      form->popupMenu(), QStringLiteral("Réinstaller un raccourci dans le menu Démarrer"));
  ASSERT_NE(reinstall, nullptr);
  StateRecorder recorder;
  form->installEventFilter(&recorder);
  reinstall->trigger();
  reinstall->trigger();
  form->removeEventFilter(&recorder);
  EXPECT_EQ(xdg.userFiles().size(), kGroupFileCount) << "one group after two runs";
  ASSERT_EQ(recorder.states.size(), 4u);
  EXPECT_TRUE(recorder.states[0] & Qt::WindowMinimized);
  EXPECT_FALSE(recorder.states[1] & Qt::WindowMinimized);
  EXPECT_FALSE(form->isMinimized());
}

TEST_F(TForm1DesktopTest, WelcomeCreatesTheGroupOnlyWhenItsBoxStaysChecked) {
  temp.writeFile("vorlane.hlp", "<html><body><a name=\"sommaire\"></a>Sommaire</body></html>");
  start();
  answerNextMessage("OK",
                    [this] { message->findChild<QCheckBox*>("CheckMenu")->setChecked(false); });
  form->welcomeAtFirstStart(false);
  EXPECT_TRUE(xdg.userFiles().empty());
  EXPECT_TRUE(form->helpViewer()->isVisible()) << "the other box still opens the read-me";
  stop();

  start();
  Settings(form->folder()).writeSetting(setting::kStarted, 0);  // a first start again
  answerNextMessage("OK", [this] {
    message->findChild<QCheckBox*>("CheckMenu")->setChecked(true);
    message->findChild<QCheckBox*>("CheckLisez")->setChecked(false);
  });
  form->welcomeAtFirstStart(false);
  EXPECT_EQ(xdg.userFiles().size(), kGroupFileCount);
  EXPECT_FALSE(form->helpViewer()->isVisible());
}

TEST_F(TForm1DesktopTest, InstallersWordsWithRacCreateTheGroupBeforeTheirWelcome) {
  for (const char* word : {"ins", "insrac", "maj", "majrac"}) {
    handOffWord = word;
    const bool withGroup = handOffWord.ends_with("rac");
    std::size_t filesWhileWelcoming = 99;
    QString welcome;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      filesWhileWelcoming = xdg.userFiles().size();
      welcome = box->text();
      box->accept();
    });
    start();
    EXPECT_TRUE(welcome.startsWith(QStringLiteral("L'installation est terminée."))) << word;
    EXPECT_EQ(filesWhileWelcoming, withGroup ? kGroupFileCount : 0u) << word;
    stop();
    std::filesystem::remove_all(xdg.dataHome());
    std::filesystem::remove_all(xdg.configHome());
  }
}

TEST_F(TForm1DesktopTest, WebAndMailEntriesStartTheDesktopsBrowserAndMinimiseTheGame) {
  temp.writeFile("net/eth0/operstate", "up\n");
  const fs::path record = xdg.root().path() / "arguments.txt";
  registerBrowser(xdg, record);
  start();
  ASSERT_TRUE(form->webEntry()->isEnabled());
  ASSERT_TRUE(form->contactEntry()->isEnabled());

  form->webEntry()->trigger();
  EXPECT_EQ(recordedArguments(record),
            (std::vector<std::string>{"--new-window", "https://vorlane.example.org/"}));
  EXPECT_TRUE(form->isMinimized());

  form->showNormal();
  QAction* mail = form->contactEntry()->menu()->actions()[1];
  ASSERT_EQ(mail->text(), QStringLiteral("Courrier électronique"));
  mail->trigger();
  EXPECT_EQ(recordedArguments(record),
            (std::vector<std::string>{"--new-window",
                                      "mailto:support@vorlane.example.org?subject=Vorlane"}));
  EXPECT_TRUE(form->isMinimized());
}

TEST_F(TForm1DesktopTest, WithoutABrowserTheConnectionIsImpossible) {
  temp.writeFile("net/eth0/operstate", "up\n");
  start();
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  form->webEntry()->trigger();
  EXPECT_EQ(title, QStringLiteral("Erreur"));
  EXPECT_EQ(text, QStringLiteral("Connexion impossible..."));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_FALSE(form->isMinimized());
}

}  // namespace
}  // namespace vorlane::test
