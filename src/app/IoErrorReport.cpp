#include "app/IoErrorReport.h"

#include <QApplication>
#include <QMessageBox>

#include "data/IoError.h"
#include "platform/QtText.h"

namespace vorlane {
namespace {

std::function<void(const IoError&)>& reporter() {
  static std::function<void(const IoError&)> instance;
  return instance;
}

}  // namespace

void reportIoError(const IoError& error) {
  if (reporter()) {
    reporter()(error);
    return;
  }
  QMessageBox::critical(
      QApplication::activeWindow(), QStringLiteral("Vorlane : erreur d'entrée/sortie"),
      QStringLiteral("Erreur d'entrée/sortie sur le fichier %1 :\n%2.\n\n"
                     "L'opération en cours est abandonnée ; le jeu continue.")
          .arg(toQString(pathText(error.file())), toQString(error.what())));
}

void setIoErrorReporter(std::function<void(const IoError&)> reporter_) {
  reporter() = std::move(reporter_);
}

}  // namespace vorlane
