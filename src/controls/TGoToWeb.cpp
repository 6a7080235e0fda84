#include "controls/TGoToWeb.h"

#include <QMessageBox>

#include "controls/WebLink.h"
#include "data/Contact.h"
#include "data/TextCodec.h"
#include "platform/QtProcessStarter.h"
#include "platform/XdgDirectories.h"

namespace vorlane {

TGoToWeb::TGoToWeb(QObject* owner, std::unique_ptr<ProcessStarter> starter)
    : QObject(owner),
      starter_(starter ? std::move(starter) : std::make_unique<QtProcessStarter>()),
      url_(kWebAddress),
      email_(kSupportEmail) {}

TGoToWeb::~TGoToWeb() = default;

bool TGoToWeb::OpenUrl() {
  return startBrowser(*starter_, XdgDirectories::fromEnvironment(), win1252ToUtf8(url_));
}

bool TGoToWeb::SendEMail() {
  return startBrowser(*starter_, XdgDirectories::fromEnvironment(),
                      win1252ToUtf8("mailto:" + email_ + "?subject=" + subject_));
}

void showConnectionFailure(QWidget* parent) {
  QMessageBox::critical(parent, QStringLiteral("Erreur"),
                        QStringLiteral("Connexion impossible..."));
}

}  // namespace vorlane
