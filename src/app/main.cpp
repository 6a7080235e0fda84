#include <QStringList>

#include "app/DesktopForms.h"
#include "app/VorlaneApplication.h"
#include "game/TForm1.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "platform/QtSoundOutput.h"
#include "scores/TFormscore.h"

// Start-up: the application title, then the windows in their order. The main window's
// creation runs the data-folder check and the game's own start-up before any other window
// exists. Every window lives until the program ends.
int main(int argc, char** argv) {
  vorlane::VorlaneApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  if (const std::optional<int> exitCode = vorlane::runDesktopForm(arguments, programFolder))
    return *exitCode;
  const std::string handOffWord = arguments.size() > 1 ? arguments[1].toStdString() : "";

  vorlane::QtSoundOutput soundOutput;
  vorlane::TForm1 form1({programFolder, handOffWord}, soundOutput);
  if (!form1.dataFilesOk()) return 1;
  vorlane::TFormscore formscore(form1.folder(), &form1, form1.engine().state().juniorClass);
  vorlane::TFormMessage formMessage(&form1);
  vorlane::Tdlg dlg(&form1);
  form1.attachWindows(&formscore, &formMessage, &dlg);
  form1.welcomeAtFirstStart(!handOffWord.empty());

  form1.show();
  return app.exec();
}
