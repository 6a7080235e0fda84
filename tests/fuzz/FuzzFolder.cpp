#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace vorlane::fuzz {

FuzzFolder::FuzzFolder() {
  std::string pattern = (fs::temp_directory_path() / "vorlane-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) broken("no temporary folder");
  path_ = pattern;
}

FuzzFolder::~FuzzFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path FuzzFolder::dataFolder() const {
  fs::path folder = path_ / "Zari666";
  fs::create_directories(folder);
  return folder;
}

void FuzzFolder::writeData(std::string_view name, std::string_view bytes) const {
  const fs::path file = dataFolder() / name;
  std::error_code ec;
  fs::remove(file, ec);
  if (bytes.empty()) return;
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void FuzzFolder::clear() const {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(path_, ec)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(entry.path(), ec);
  }
}

std::vector<std::string_view> splitInput(const std::uint8_t* data, std::size_t size,
                                         std::size_t parts) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> split;
  while (split.size() + 1 < parts) {
    const std::size_t at = rest.find(kPartMarker);
    if (at == std::string_view::npos) break;
    split.push_back(rest.substr(0, at));
    rest.remove_prefix(at + kPartMarker.size());
  }
  split.push_back(rest);
  split.resize(parts);
  return split;
}

std::string joinParts(const std::vector<std::string>& parts) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += kPartMarker;
    joined += parts[i];
  }
  return joined;
}

void broken(const char* what) {
  std::fprintf(stderr, "fuzz: %s\n", what);
  std::abort();
}

}  // namespace vorlane::fuzz
