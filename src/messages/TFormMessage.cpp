#include "messages/TFormMessage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "controls/TGoToWeb.h"
#include "data/Contact.h"
#include "game/Pictures.h"
#include "messages/MessageTexts.h"
#include "platform/Announce.h"
#include "platform/GameFonts.h"
#include "platform/QtText.h"

namespace vorlane {
namespace {

constexpr int kIconPeriodMs = 5000;
constexpr int kPlacementOffset = 15;
constexpr QSize kIconSize(32, 32);

}  // namespace

TFormMessage::TFormMessage(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("?"));
  setAccessibleName(QStringLiteral("Message de Vorlane"));
  setFixedSize(342, 120);
  setFont(arialFont(12, false));
  buildLines();
  buildButtons();
  buildIcons();
  goToWeb1_ = new TGoToWeb(this);
  goToWeb1_->setUrl(std::string(kWebAddress));
  goToWeb1_->setEMail(std::string(kSupportEmail));
  goToWeb1_->setEMailSubject("Vorlane");
  goToWeb1_->setBrowserState(gwMaximized);
}

void TFormMessage::buildLines() {
  const QFont font = arialFont(13, false);
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
    panels_[i]->setGeometry(38, 8 + 24 * i, 296, 25);
    panels_[i]->setFont(font);
    panels_[i]->setAlignment(Qt::AlignCenter);
    panels_[i]->setStyleSheet(QStringLiteral("color: black;"));
  }
  checkMenu_ = new QCheckBox(QStringLiteral("Installer un raccourci dans le menu Démarrer."), this);
  checkMenu_->setObjectName(QStringLiteral("CheckMenu"));
  checkMenu_->setGeometry(48, 40, 290, 17);
  checkLisez_ = new QCheckBox(QStringLiteral("Afficher la rubrique \"Lisez-moi\" du menu."), this);
  checkLisez_->setObjectName(QStringLiteral("CheckLisez"));
  checkLisez_->setGeometry(48, 60, 290, 17);
  for (QCheckBox* box : {checkMenu_, checkLisez_}) {
    box->setChecked(true);
    box->hide();
  }
}

void TFormMessage::buildButtons() {
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setGeometry(256, 88, 75, 25);
  ok_->setDefault(true);
  annuler_ = new QPushButton(QStringLiteral("Annuler"), this);
  annuler_->setObjectName(QStringLiteral("annuler"));
  annuler_->setGeometry(168, 88, 75, 25);
  connect(ok_, &QPushButton::clicked, this, &TFormMessage::OKClick);
  connect(annuler_, &QPushButton::clicked, this, &TFormMessage::annulerClick);
}

void TFormMessage::buildIcons() {
  image1_ = new QLabel(this);
  image1_->setGeometry(QRect(QPoint(5, 9), kIconSize));
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setPixmap(loadPicture(QStringLiteral("message1"), kIconSize, devicePixelRatioF()));
  image2_ = new QLabel(this);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setGeometry(QRect(QPoint(5, 9), kIconSize));
  image2_->setPixmap(loadPicture(QStringLiteral("message2"), kIconSize, devicePixelRatioF()));
  image2_->hide();
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(kIconPeriodMs);
  connect(timer1_, &QTimer::timeout, this, [this] { image2_->setVisible(image2_->isHidden()); });
  timer1_->start();
}

bool TFormMessage::showMessage(const MessageLines& message) {
  if (isVisible()) return false;
  annuler_->setVisible(message.cancelShown);
  QStringList said;
  for (int i = 0; i < 3; ++i) {
    panels_[i]->setText(toQString(message.lines[i]));
    if (!panels_[i]->text().isEmpty()) said << panels_[i]->text();
  }
  // A screen reader announces the message as it opens (a new level, the end of a game...).
  setAccessibleDescription(said.join(QLatin1Char(' ')));
  checkMenu_->setVisible(message.checkBoxesShown);
  checkLisez_->setVisible(message.checkBoxesShown);
  ok_->setFocus();
  exec();
  annuler_->show();
  checkMenu_->hide();
  checkLisez_->hide();
  return true;
}

void TFormMessage::showEndOfGame(const std::string& selector, int score) {
  if (const auto message = endOfGameMessage(selector, score)) showMessage(*message);
}

void TFormMessage::showLetterCost(int level, const std::string& cost) {
  showMessage(letterCostMessage(level, cost));
}

void TFormMessage::showLevelUp(const std::string& points, const std::string& newLevel) {
  showMessage(levelUpMessage(points, newLevel));
}

void TFormMessage::askQuit() { showMessage(quitMessage()); }

TFormMessage::WelcomeChoice TFormMessage::showWelcome() {
  if (!showMessage(welcomeMessage())) return {};
  return {checkMenu_->isChecked(), checkLisez_->isChecked()};
}

void TFormMessage::showEvent(QShowEvent* event) {
  if (mainWindow_) move(mainWindow_->x() + kPlacementOffset, mainWindow_->y() + kPlacementOffset);
  for (QWidget* window : hiddenOnShow_)
    if (window && window->isVisible()) window->hide();
  QDialog::showEvent(event);
  announce(this, QAccessible::Alert);
}

void TFormMessage::OKClick() {
  messageResult_ = Ok;
  accept();
}

void TFormMessage::annulerClick() { reject(); }

void TFormMessage::reject() {
  messageResult_ = annuler_->isVisible() ? Cancel : Ok;
  QDialog::reject();
}

}  // namespace vorlane
