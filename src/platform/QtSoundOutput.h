#pragma once

#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace vorlane {

// Wave output through Qt Multimedia; no audio output means silence, never an error.
class QtSoundOutput : public SoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;
  int outputDeviceCount() const override;
  void playFile(const std::filesystem::path& waveFile) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace vorlane
