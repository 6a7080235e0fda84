#include <QDir>
#include <QFile>
#include <QStringList>

#include <optional>
#include <thread>

#include "app/DesktopForms.h"
#include "app/StartupWarmUp.h"
#include "app/VorlaneApplication.h"
#include "controls/TForm2.h"
#include "data/DataFolder.h"
#include "game/TForm1.h"
#include "install/TInstallation.h"
#include "messages/TFormMessage.h"
#include "messages/Tdlg.h"
#include "platform/FolderDialog.h"
#include "platform/LoadedSoundOutput.h"
#include "prefs/Tprefer.h"
#include "scores/TFormscore.h"

namespace {

vorlane::TInstallation::Services installerServices(vorlane::TForm1& form1) {
  return {[&form1](std::string_view sound) { form1.playSound(sound); },
          [&form1](QWidget* parent, const std::filesystem::path& start) {
            return vorlane::chooseFolder(
                parent, start, [&form1] { form1.openHelp(vorlane::TInstallation::kHelpTopic); });
          },
          &vorlane::TInstallation::startInstalledCopy};
}

}  // namespace

// Start-up: the application title, then the windows in their order. The main window's
// creation runs the data-folder check and the game's own start-up before any other window
// exists. The background and the preferences shape the main window and come before it
// shows; the four others, which it does not need for its first picture, are made once it has
// been painted, before the player can act. Every window lives until the program ends.
int main(int argc, char** argv) {
  // Each warm-up thread is joined where its variable ends: the bus and the font database
  // before the application.
  const std::jthread fonts(vorlane::warmUpFonts);
  vorlane::VorlaneApplication app(argc, argv);
  const std::jthread sessionBus(vorlane::warmUpSessionBus);
  const std::jthread fontDatabase(vorlane::warmUpFontDatabase);
  const QStringList arguments = QCoreApplication::arguments();
  const std::filesystem::path programFolder =
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  if (const std::optional<int> exitCode = vorlane::runDesktopForm(arguments, programFolder))
    return *exitCode;
  const std::string handOffWord = arguments.size() > 1 ? arguments[1].toStdString() : "";

  vorlane::LoadedSoundOutput soundOutput(vorlane::soundModulePlaces(programFolder));
  vorlane::TForm1 form1(
      {programFolder, handOffWord, "/sys/class/net", vorlane::isSystemInstall(programFolder)},
      soundOutput);
  if (!form1.dataFilesOk()) return 1;
  vorlane::Settings settings(form1.folder());
  vorlane::TForm2 form2(settings, form1.colourTable(), &form1, form1.popupMenu());
  form1.attachBackground(&form2);
  vorlane::Tprefer prefer(form1, form2, vorlane::screenFactsFor(form2));
  form1.attachPreferences(&prefer);
  std::optional<vorlane::TFormscore> formscore;
  std::optional<vorlane::TFormMessage> formMessage;
  std::optional<vorlane::TInstallation> installation;
  std::optional<vorlane::Tdlg> dlg;
  form1.afterFirstPaint([&] {
    formscore.emplace(form1.folder(), &form1, form1.engine().state().juniorClass);
    formMessage.emplace(&form1);
    installation.emplace(&form1, programFolder, QFile::encodeName(QDir::homePath()).toStdString(),
                         installerServices(form1));
    dlg.emplace(&form1);
    form1.attachWindows(&*formscore, &*formMessage, &*dlg);
    form1.attachInstaller(&*installation);
    form1.welcomeAtFirstStart(!handOffWord.empty());
    if (!form1.folder().writable()) installation->show();
  });

  form1.show();
  return app.exec();
}
