#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "controls/Tkey_in.h"
#include "game/PictureButton.h"
#include "game/TForm1TestFixture.h"
#include "install/TInstallation.h"
#include "platform/HelpViewer.h"
#include "platform/QtText.h"

namespace vorlane::test {
namespace {

using TForm1MenuTest = TForm1Test;

QStringList entries(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    QString caption = action->isSeparator() ? QStringLiteral("-") : action->text();
    if (!action->shortcut().isEmpty()) caption += " [" + action->shortcut().toString() + "]";
    captions << caption;
  }
  return captions;
}

QMenu* submenu(const QMenu* menu, const QString& caption) {
  for (const QAction* action : menu->actions())
    if (action->text() == caption) return action->menu();
  return nullptr;
}

TEST_F(TForm1MenuTest, PopupMenuEntriesInTheirOrderWithShortcuts) {
  start();
  const QMenu* menu = form->popupMenu();
  EXPECT_EQ(entries(menu),
            (QStringList{QStringLiteral("À propos..."), "Lisez-moi [F1]", QStringLiteral("Préférences"), "Scores",
                         "Raccourcis", "Divers...", "-", "Quitter [Ctrl+Q]", "Installation"}));
  const QMenu* shortcuts = submenu(menu, "Raccourcis");
  ASSERT_NE(shortcuts, nullptr);
  EXPECT_EQ(entries(shortcuts),
            (QStringList{QStringLiteral("Définition [Ctrl+D]"), "Agrandir définition [Ctrl+W]",
                         QStringLiteral("Première lettre [Ctrl+L]")}));
  for (const QAction* entry : shortcuts->actions()) EXPECT_FALSE(entry->isEnabled());
  const QMenu* divers = submenu(menu, "Divers...");
  ASSERT_NE(divers, nullptr);
  EXPECT_EQ(
      entries(divers),
      (QStringList{"Contacter l'auteur", QStringLiteral("Aller sur le site web pour mise à jour"),
                   QStringLiteral("Réinstaller un raccourci dans le menu Démarrer")}));
  EXPECT_EQ(entries(submenu(divers, "Contacter l'auteur")),
            (QStringList{QStringLiteral("Coordonnées"), QStringLiteral("Courrier électronique")}));
}

TEST_F(TForm1MenuTest, LetterShortcutFollowsTheHintCaption) {
  start();
  QTest::mouseClick(form->entrain(), Qt::LeftButton, {}, QPoint(5, 10));
  pressEnter();
  const QMenu* shortcuts = submenu(form->popupMenu(), "Raccourcis");
  ASSERT_TRUE(shortcuts->actions()[2]->isEnabled());
  QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(shortcuts->actions()[2]->text(), QStringLiteral("Deuxième lettre"));
  const std::string first = form->engine().state().rowWords[0].substr(0, 1);
  EXPECT_EQ(form->keybt(1)->text().substr(0, 1), first);
  EXPECT_EQ(form->imageTETE()->x(), 16 + form->layout().tileSize);
}

TEST_F(TForm1MenuTest, HelpOpensAtItsTopics) {
  // Spelled as the contact entry names it: file names are matched without regard to case.
  temp.writeFile("Vorlane.hlp",
                 "<html><body><a name=\"sommaire\"></a><h1>Sommaire</h1>"
                 "<a name=\"coord\"></a><h1>Coordonnées</h1></body></html>");
  start();
  // A help file reported missing would wait for an answer.
  QTimer::singleShot(0, form.get(), [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  QTest::keyClick(form.get(), Qt::Key_F1);
  ASSERT_TRUE(form->helpViewer()->isVisible());
  EXPECT_EQ(form->helpViewer()->browser()->source().fragment(), "sommaire");
  QMenu* contact = submenu(submenu(form->popupMenu(), "Divers..."), "Contacter l'auteur");
  contact->actions()[0]->trigger();
  EXPECT_EQ(form->helpViewer()->browser()->source().fragment(), "coord");
  EXPECT_TRUE(form->helpViewer()->browser()->toPlainText().contains("Sommaire"));
}

TEST_F(TForm1MenuTest, CtrlAltClickOnTheHiddenSwitchShowsTheDrawsWords) {
  start();
  pressEnter();
  QLabel* hiddenSwitch = form->solutionSwitch();
  QTest::mouseClick(hiddenSwitch, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_FALSE(form->comboBoxAna()->isVisible());
  QTest::mouseClick(hiddenSwitch, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                    QPoint(2, 2));
  ASSERT_TRUE(form->comboBoxAna()->isVisible());
  EXPECT_EQ(form->comboBoxAna()->count(), 5);
  EXPECT_EQ(form->comboBoxAna()->itemText(0).size(), 6);
  QTest::mouseClick(hiddenSwitch, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier,
                    QPoint(2, 2));
  EXPECT_FALSE(form->comboBoxAna()->isVisible());
}

TEST_F(TForm1MenuTest, PointerOverAControlShowsItsHelp) {
  start();
  QTest::mouseMove(form->compet(), QPoint(5, 5));
  EXPECT_EQ(statusText(), " 60 s capitalisables pour trouver au moins une anagramme par tirage.");
  QTest::mouseMove(form->senior(), QPoint(5, 5));
  EXPECT_EQ(statusText(),
            " 6 niveaux de jeu. Lettre demand\xE9"
            "e co\xFB"
            "te 2 x plus cher.");
  pressEnter();
  QTest::mouseMove(form->bookButton(1), QPoint(5, 5));
  EXPECT_EQ(statusText(),
            " Clic ou Ctrl+D = d\xE9"
            "finition, Ctrl+W = agrandir la d\xE9"
            "finition.");
  QTest::mouseMove(form->imageTETE(), QPoint(5, 5));
  EXPECT_EQ(statusText(), " Clic ou  Ctrl+L = obtenir une lettre.");
}

TEST_F(TForm1MenuTest, ReadOnlyModeShowsTheInstallationEntryWhichOpensTheInstaller) {
  start(true);
  EXPECT_FALSE(form->folder().writable());
  EXPECT_FALSE(temp.exists("Zari666/Prefint.666")) << "nothing written on a protected medium";
  TInstallation installer(form.get(), temp.path(), temp.path(), {});
  form->attachInstaller(&installer);
  ASSERT_TRUE(form->installationEntry()->isVisible());
  form->installationEntry()->trigger();
  EXPECT_TRUE(installer.isVisible());
  EXPECT_EQ(installer.windowTitle(), "Bienvenue !");
}

}  // namespace
}  // namespace vorlane::test
