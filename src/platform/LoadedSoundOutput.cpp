#include "platform/LoadedSoundOutput.h"

#include <dlfcn.h>

#include <utility>

#include "data/DataFolder.h"

namespace vorlane {

LoadedSoundOutput::LoadedSoundOutput(std::vector<std::filesystem::path> modules)
    : modules_(std::move(modules)) {}

LoadedSoundOutput::~LoadedSoundOutput() = default;

int LoadedSoundOutput::outputDeviceCount() const {
  SoundOutput* loaded = output();
  return loaded ? loaded->outputDeviceCount() : 0;
}

void LoadedSoundOutput::playFile(const std::filesystem::path& waveFile) {
  if (SoundOutput* loaded = output()) loaded->playFile(waveFile);
}

SoundOutput* LoadedSoundOutput::output() const {
  if (loaded_) return output_.get();
  loaded_ = true;
  for (const std::filesystem::path& module : modules_) {
    // Never unloaded: the sounds it plays outlive any one call.
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) continue;
    const auto entry = reinterpret_cast<NewSoundOutput>(dlsym(handle, kSoundModuleEntry));
    if (!entry) {
      dlclose(handle);
      continue;
    }
    output_.reset(entry());
    break;
  }
  return output_.get();
}

std::vector<std::filesystem::path> soundModulePlaces(const std::filesystem::path& programFolder) {
  return {programFolder / kSoundModuleFileName,
          std::filesystem::path(kPackageProgramFolder) / kSoundModuleFileName};
}

}  // namespace vorlane
