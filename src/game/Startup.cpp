#include "game/Startup.h"

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"

namespace vorlane {
namespace {

bool isOn(const Settings& settings, int record) { return settings.readSetting(record) == 1; }

std::string installedSentence() {
  return toWin1252("L'installation est terminée. Bienvenue dans Vorlane version 1.3.");
}

std::string installationWelcome() { return installedSentence() + "\nBon jeu !"; }

std::string updateWelcome() {
  return installedSentence() + "\n" +
         toWin1252(
             "Vous pouvez consulter les principales modifications apportées dans "
             "le fichier Lisezmoi.wri du répertoire Vorlane.") +
         "\nBon jeu !";
}

}  // namespace

StartupSettings readStartupSettings(const Settings& settings) {
  StartupSettings read;
  read.trainingMode = isOn(settings, setting::kTrainingMode);
  read.juniorClass = isOn(settings, setting::kJuniorClass);
  read.alwaysCentred = isOn(settings, setting::kAlwaysCentred);
  read.noProperNouns = isOn(settings, setting::kNoProperNouns);
  if (!read.alwaysCentred) {
    read.savedPlace.top = settings.readSetting(setting::kWindowTop);
    read.savedPlace.left = settings.readSetting(setting::kWindowLeft);
  }
  read.layout.largeTiles = isOn(settings, setting::kLargeTiles);
  read.layout.widestWindow = isOn(settings, setting::kWidestWindow);
  return read;
}

std::optional<HandOff> handOffFor(std::string_view parameter) {
  if (parameter == "insrac") return HandOff{true, installationWelcome()};
  if (parameter == "ins") return HandOff{false, installationWelcome()};
  if (parameter == "majrac") return HandOff{true, updateWelcome()};
  if (parameter == "maj") return HandOff{false, updateWelcome()};
  return std::nullopt;
}

bool isFirstStart(const Settings& settings) {
  if (!settings.folder().writable()) return false;
  try {
    return settings.readSetting(setting::kStarted) != 1;
  } catch (const IoError&) {
    return false;
  }
}

void recordFirstStart(const Settings& settings) { settings.writeSetting(setting::kStarted, 1); }

}  // namespace vorlane
