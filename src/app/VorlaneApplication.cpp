#include "app/VorlaneApplication.h"

#include <QMessageBox>

#include "data/IoError.h"
#include "platform/QtText.h"

namespace vorlane {

VorlaneApplication::VorlaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Vorlane");
  setApplicationDisplayName("Vorlane");
}

bool VorlaneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const IoError& error) {
    QMessageBox::critical(
        nullptr, QStringLiteral("Vorlane : erreur d'entrée/sortie"),
        QStringLiteral("Erreur d'entrée/sortie sur le fichier %1 : %2.")
            .arg(QString::fromStdString(error.file().string()), toQString(error.what())));
    return false;
  }
}

}  // namespace vorlane
