#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/TextCodec.h"

// The start-up check and its tidy-up of an older layout, then the write test, over a
// random program folder: files and folders named after the distribution's files in any
// case, beside the program or in the data folder, some read-only. Input: one byte for the
// data folder's spelling (or its absence, or a file in its place), then entries of four
// bytes (place and case, name, kind, length) each followed by the file's bytes.
namespace {

namespace fs = std::filesystem;

std::vector<std::string> entryNames() {
  std::vector<std::string> names;
  for (const std::string& name : vorlane::distributionFiles()) {
    if (!name.empty()) names.push_back(name);
  }
  for (const char* name : {"Prefint.666", "stx.666", "color.ini", "liv.ico", "ecran.gif",
                           "Prefint.666.copie"}) {
    names.emplace_back(name);
  }
  return names;
}

std::string inCase(std::string name, std::uint8_t how) {
  for (char& c : name) {
    if ((how & 2) && c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if ((how & 4) && c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return name;
}

void build(const fs::path& program, const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> names = entryNames();
  static const std::array<const char*, 3> spellings = {"Zari666", "zari666", "ZARI666"};
  if (size == 0) return;
  fs::path dataFolder = program / spellings[data[0] % 3];
  std::error_code ec;
  if (data[0] % 5 == 3) {
    std::ofstream(dataFolder) << "x";  // a file where the folder should be
  } else if (data[0] % 5 != 4) {
    fs::create_directory(dataFolder, ec);
  }
  for (std::size_t at = 1; at + 4 <= size;) {
    const std::uint8_t place = data[at];
    const std::string name = inCase(names[data[at + 1] % names.size()], place);
    const std::uint8_t kind = data[at + 2] % 3;
    const std::size_t length = std::min<std::size_t>(data[at + 3], size - at - 4);
    const fs::path file = ((place & 1) ? dataFolder : program) / name;
    if (kind == 2) {
      fs::create_directory(file, ec);
    } else {
      std::ofstream(file, std::ios::binary)
          .write(reinterpret_cast<const char*>(data + at + 4), static_cast<std::streamsize>(length));
      if (kind == 1) fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove, ec);
    }
    at += 4 + length;
  }
}

bool leftoverCopy(const fs::path& folder) {
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 6 && name.ends_with(".copie") && name != "Prefint.666.copie" &&
        vorlane::plainForm(name) != "PREFINT.666.COPIE") {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlane;
  static const fuzz::FuzzFolder folder;
  folder.clear();
  build(folder.path(), data, size);
  const DataFolder dataFolder(folder.path());
  const bool ok = checkDataFiles(dataFolder);
  if (ok && !dataFolder.existsInDataFolder("azl.666") && !dataFolder.existsInProgramFolder("azl.666"))
    fuzz::broken("the check passed without the word list");
  testDataFolderWritable(dataFolder);
  if (leftoverCopy(folder.path())) fuzz::broken("a copy left its temporary file");
  return 0;
}
