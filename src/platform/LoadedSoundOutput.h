#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/Sound.h"

namespace vorlane {

// The file of the sound module, the game's wave output through Qt Multimedia. The program
// does not link Qt Multimedia: it and the sound server's libraries take longer to load
// than the main window takes to show, so the module is loaded when the game first asks
// for its devices, once the window is painted.
inline constexpr const char* kSoundModuleFileName = "vorlane-sound.so";

// The module's one entry, `extern "C"`: a new wave output, owned by the caller.
inline constexpr const char* kSoundModuleEntry = "vorlaneNewSoundOutput";
using NewSoundOutput = SoundOutput* (*)();

// The wave output of the first of `modules` that loads, loaded on the first question: a
// module that is missing or is none gives no output device, which means silence. A loaded
// module stays loaded until the program ends.
class LoadedSoundOutput : public SoundOutput {
 public:
  explicit LoadedSoundOutput(std::vector<std::filesystem::path> modules);
  ~LoadedSoundOutput() override;
  int outputDeviceCount() const override;
  void playFile(const std::filesystem::path& waveFile) override;

 private:
  SoundOutput* output() const;

  std::vector<std::filesystem::path> modules_;
  mutable bool loaded_ = false;
  mutable std::unique_ptr<SoundOutput> output_;
};

// Where the sound module is looked for: beside the program, then in the package's program
// folder, which a player's own copy made by the installer does not copy it from.
std::vector<std::filesystem::path> soundModulePlaces(const std::filesystem::path& programFolder);

}  // namespace vorlane
