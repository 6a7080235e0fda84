#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: a program folder of their own for the whole run, refilled
// by every input, and the split of an input into the files it stands for.
namespace vorlane::fuzz {

// A fresh folder under the system's temporary folder, removed at exit.
class FuzzFolder {
 public:
  FuzzFolder();
  ~FuzzFolder();
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // "Zari666" inside it, created on demand.
  std::filesystem::path dataFolder() const;
  // Writes a file of the data folder; an empty view leaves no file at all.
  void writeData(std::string_view name, std::string_view bytes) const;
  // Empties the folder.
  void clear() const;

 private:
  std::filesystem::path path_;
};

// The parts of an input separated by kPartMarker; parts that are not there are empty.
inline constexpr std::string_view kPartMarker = "\n@@\n";
std::vector<std::string_view> splitInput(const std::uint8_t* data, std::size_t size,
                                         std::size_t parts);
// The parts joined again: how the seed corpora are written.
std::string joinParts(const std::vector<std::string>& parts);

// Ends the run as a crash: a property of the readers that does not hold.
[[noreturn]] void broken(const char* what);

}  // namespace vorlane::fuzz
