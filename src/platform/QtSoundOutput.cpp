#include "platform/QtSoundOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vorlane {

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

int QtSoundOutput::outputDeviceCount() const {
  return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtSoundOutput::playFile(const std::filesystem::path& waveFile) {
  // A fresh effect replaces the one still playing.
  effect_ = std::make_unique<QSoundEffect>();
  effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(waveFile.string())));
  effect_->play();
}

}  // namespace vorlane
