// The sound module's entry, the one symbol the game looks up in it.
#include <type_traits>

#include "platform/LoadedSoundOutput.h"
#include "platform/QtSoundOutput.h"

extern "C" __attribute__((visibility("default"))) vorlane::SoundOutput* vorlaneNewSoundOutput() {
  return new vorlane::QtSoundOutput;
}

static_assert(std::is_same_v<decltype(&vorlaneNewSoundOutput), vorlane::NewSoundOutput>);
