#include <QMessageBox>
#include <QWidget>

#include "app/VorlaneApplication.h"
#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/Settings.h"
#include "data/WordLists.h"
#include "platform/QtSoundOutput.h"
#include "platform/QtText.h"

int main(int argc, char** argv) {
  vorlane::VorlaneApplication app(argc, argv);
  vorlane::DataFolder folder(QCoreApplication::applicationDirPath().toStdString());

  if (!vorlane::checkDataFiles(folder)) {
    QMessageBox::critical(nullptr, QString::fromUtf8(vorlane::kDataFilesFailureTitle),
                          vorlane::toQString(vorlane::dataFilesFailureMessage(folder)),
                          QMessageBox::Ok);
    return 1;
  }
  folder.setWritable(vorlane::testDataFolderWritable(folder));
  vorlane::QtSoundOutput soundOutput;
  vorlane::Sounds sounds(folder, soundOutput);
  sounds.detectOutputDevices();
  if (!folder.writable()) sounds.playSound("gagne.wav");

  vorlane::RecentDraws recentDraws;
  recentDraws.loadRecentDraws(folder);
  vorlane::Settings settings(folder);

  QWidget window;
  window.setWindowTitle(QStringLiteral("Vorlane"));
  window.resize(517, 186);
  window.show();
  return app.exec();
}
