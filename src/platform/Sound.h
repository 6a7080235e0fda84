#pragma once

#include <filesystem>
#include <string_view>

namespace vorlane {

class DataFolder;

// The platform's wave output: how many devices there are, and asynchronous playback of a
// wave file (a new sound replaces one still playing).
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual int outputDeviceCount() const = 0;
  virtual void playFile(const std::filesystem::path& waveFile) = 0;
};

// `playSound` and `soundAvailable`: silent without an output device or without the file.
class Sounds {
 public:
  Sounds(const DataFolder& folder, SoundOutput& output) : folder_(folder), output_(output) {}

  // Sets `soundAvailable` from the device count, asked once: later calls change nothing.
  void detectOutputDevices();
  bool soundAvailable() const { return available_; }

  // A sound asked for before the devices were detects them first.
  void playSound(std::string_view name);

 private:
  const DataFolder& folder_;
  SoundOutput& output_;
  bool detected_ = false;
  bool available_ = false;
};

}  // namespace vorlane
