#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "controls/TGoToWeb.h"
#include "game/TForm1.h"
#include "install/TInstallation.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "scores/TFormscore.h"

namespace vorlane {

QAction* TForm1::addEntry(QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                          void (TForm1::*handler)()) {
  QAction* action = menu->addAction(caption);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    // The window dispatches the keys itself: every key reaches it before any control.
    action->setShortcutContext(Qt::WidgetShortcut);
  }
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void TForm1::buildMenu() {
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
  addEntry(popupMenu1_, QStringLiteral("À propos..."), {}, &TForm1::AProposClick);
  addEntry(popupMenu1_, QStringLiteral("Lisez-moi"), QKeySequence(Qt::Key_F1),
           &TForm1::LisezMoiClick);
  addEntry(popupMenu1_, QStringLiteral("Préférences"), {}, &TForm1::comingLater);
  addEntry(popupMenu1_, QStringLiteral("Scores"), {}, &TForm1::ScoresClick);
  QMenu* shortcuts = popupMenu1_->addMenu(QStringLiteral("Raccourcis"));
  definition_ = addEntry(shortcuts, QStringLiteral("Définition"),
                         QKeySequence(Qt::CTRL | Qt::Key_D), &TForm1::def1Click);
  enlarge_ = addEntry(shortcuts, QStringLiteral("Agrandir définition"),
                      QKeySequence(Qt::CTRL | Qt::Key_W), &TForm1::montredef1Click);
  letter_ = addEntry(shortcuts, QStringLiteral("Première lettre"),
                     QKeySequence(Qt::CTRL | Qt::Key_L), &TForm1::lettreClick);
  QMenu* divers = popupMenu1_->addMenu(QStringLiteral("Divers..."));
  QMenu* contact = divers->addMenu(QStringLiteral("Contacter l'auteur"));
  contact_ = contact->menuAction();
  addEntry(contact, QStringLiteral("Coordonnées"), {}, &TForm1::CoordonneesClick);
  addEntry(contact, QStringLiteral("Courrier électronique"), {}, &TForm1::CourrierClick);
  web_ = addEntry(divers, QStringLiteral("Aller sur le site web pour mise à jour"), {},
                  &TForm1::SiteWebClick);
  addEntry(divers, QStringLiteral("Réinstaller un raccourci dans le menu Démarrer"), {},
           &TForm1::RaccourciClick);
  popupMenu1_->addSeparator();
  quitter_ = addEntry(popupMenu1_, QStringLiteral("Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                      &TForm1::QuitterClick);
  installation_ = addEntry(popupMenu1_, QStringLiteral("Installation"), {}, &TForm1::InstallationClick);
  installation_->setVisible(false);
}

// The entries whose windows (preferences) are not part of the game yet: present in the
// menu, without effect.
void TForm1::comingLater() {}

void TForm1::showPopup(const QPoint& globalPos) { popupMenu1_->popup(globalPos); }

void TForm1::AProposClick() {
  if (!about_) return;
  about_->show();
  about_->raise();
}

void TForm1::InstallationClick() {
  if (!installer_) return;
  installer_->show();
  installer_->raise();
  installer_->activateWindow();
}

void TForm1::LisezMoiClick() { openHelp("sommaire"); }

void TForm1::CoordonneesClick() { openHelp("coord"); }

void TForm1::CourrierClick() {
  if (message_) afterWebLink(message_->GoToWeb1()->SendEMail());
}

void TForm1::SiteWebClick() {
  if (message_) afterWebLink(message_->GoToWeb1()->OpenUrl());
}

void TForm1::afterWebLink(bool started) {
  if (started) {
    showMinimized();
    return;
  }
  showConnectionFailure(this);
}

void TForm1::RaccourciClick() {
  showMinimized();
  createStartMenuGroup();
  showNormal();
}

void TForm1::ScoresClick() {
  if (scores_) scores_->showScores();
}

void TForm1::def1Click() {
  run([this] { engine_->def1Click(); });
}

void TForm1::montredef1Click() {
  run([this] { engine_->montredef1Click(); });
}

void TForm1::lettreClick() {
  run([this] { engine_->lettreClick(); });
}

bool TForm1::triggerShortcut(const QKeyEvent& key) {
  const QKeySequence pressed(key.keyCombination());
  for (QAction* action : {quitter_, definition_, enlarge_, letter_}) {
    if (action->shortcut() != pressed) continue;
    if (action->isEnabled()) action->trigger();
    return true;
  }
  if (key.key() == Qt::Key_F1 && key.modifiers() == Qt::NoModifier) {
    LisezMoiClick();
    return true;
  }
  return false;
}

}  // namespace vorlane
