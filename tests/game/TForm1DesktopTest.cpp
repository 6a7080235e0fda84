#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

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

  std::filesystem::remove(temp.dataFolder() / "Demarre.666");
  start();
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

}  // namespace
}  // namespace vorlane::test
