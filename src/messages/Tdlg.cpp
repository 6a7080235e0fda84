#include "messages/Tdlg.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "game/Pictures.h"
#include "platform/GameFonts.h"

namespace vorlane {
namespace {

constexpr int kPlacementOffset = 15;

}  // namespace

Tdlg::Tdlg(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  setWindowTitle(QStringLiteral("À propos de Vorlane"));
  setFixedSize(298, 160);
  auto* picture = new QLabel(this);
  picture->setGeometry(16, 16, 64, 64);
  picture->setPixmap(loadPicture(QStringLiteral("about"), QSize(64, 64), devicePixelRatioF()));
  auto* title = new QLabel(QStringLiteral("Vorlane"), this);
  title->setFont(arialFont(20, true));
  title->setGeometry(96, 16, 186, 26);
  auto* kind = new QLabel(QStringLiteral("Jeu de lettres"), this);
  kind->setGeometry(96, 44, 186, 18);
  auto* panel4 = new QLabel(QStringLiteral("Version 1.3"), this);
  panel4->setObjectName(QStringLiteral("Panel4"));
  panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel4->setGeometry(96, 66, 120, 20);
  auto* okBtn = new QPushButton(QStringLiteral("OK"), this);
  okBtn->setObjectName(QStringLiteral("OKBtn"));
  okBtn->setGeometry(112, 120, 75, 25);
  okBtn->setDefault(true);
  connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
  placeBesideMainWindow();
}

void Tdlg::placeBesideMainWindow() {
  if (mainWindow_) move(mainWindow_->x() + kPlacementOffset, mainWindow_->y() + kPlacementOffset);
}

void Tdlg::showEvent(QShowEvent* event) {
  placeBesideMainWindow();
  QDialog::showEvent(event);
}

bool Tdlg::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) hide();
  return QDialog::event(event);
}

}  // namespace vorlane
