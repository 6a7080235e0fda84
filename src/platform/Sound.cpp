#include "platform/Sound.h"

#include "data/DataFolder.h"

namespace vorlane {

void Sounds::playSound(std::string_view name) {
  if (!available_) return;
  std::filesystem::path file = std::filesystem::absolute(folder_.dataFilePath(name));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  output_.playFile(file);
}

}  // namespace vorlane
