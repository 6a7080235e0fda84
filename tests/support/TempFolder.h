#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorlane::test {

// A fresh program folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The data folder "Zari666", created on first use.
  std::filesystem::path dataFolder() const;

  // Writes a file with the given bytes; `relative` may name a sub-folder.
  void writeFile(const std::filesystem::path& relative, std::string_view bytes) const;
  std::string readFile(const std::filesystem::path& relative) const;
  bool exists(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace vorlane::test
