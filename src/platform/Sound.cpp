#include "platform/Sound.h"

#include "data/DataFolder.h"

namespace vorlane {

void Sounds::detectOutputDevices() {
  if (detected_) return;
  detected_ = true;
  available_ = output_.outputDeviceCount() > 0;
}

void Sounds::playSound(std::string_view name) {
  detectOutputDevices();
  if (!available_) return;
  std::filesystem::path file = std::filesystem::absolute(folder_.dataFilePath(name));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  output_.playFile(file);
}

}  // namespace vorlane
