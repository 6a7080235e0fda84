#include "data/Settings.h"

#include <algorithm>
#include <filesystem>

#include "data/DataFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr std::string_view kColourFile = "color.ini";

bool isFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

std::optional<fs::path> Settings::settingsFileToRead() const {
  fs::path path = folder_.dataFilePath(kSettingsFile);
  if (!isFile(path)) path = folder_.dataFilePath(kFactorySettingsFile);
  if (!isFile(path)) return std::nullopt;
  return path;
}

std::int32_t Settings::readSetting(int record) const {
  auto path = settingsFileToRead();
  if (!path) return 0;
  return folder_.openPath(*path, 4, RecordFile::Mode::Read).readInt32LE(record);
}

void Settings::writeSetting(int record, std::int32_t value) const {
  if (!folder_.writable()) return;
  folder_.open(kSettingsFile, 4, RecordFile::Mode::ReadWrite).writeInt32LE(record, value);
}

void Settings::writeScoreName(int record, std::string_view name) const {
  if (!folder_.writable()) return;
  std::string_view cut = name.substr(0, std::min(name.size(), kScoreNameMaxLength));
  std::string bytes(1, static_cast<char>(cut.size()));
  bytes += cut;
  folder_.open(kScoreNamesFile, kScoreNameRecordSize, RecordFile::Mode::ReadWrite)
      .write(record, bytes);
}

std::string Settings::readScoreName(int record) const {
  fs::path path = folder_.dataFilePath(kScoreNamesFile);
  if (!isFile(path)) path = folder_.dataFilePath(kFactoryScoreNamesFile);
  if (!isFile(path)) return {};
  const std::string bytes =
      folder_.openPath(path, kScoreNameRecordSize, RecordFile::Mode::Read).read(record);
  const std::size_t length =
      std::min<std::size_t>(static_cast<unsigned char>(bytes[0]), kScoreNameMaxLength);
  return bytes.substr(1, length);
}

Colour Settings::readColour(int index) const {
  static constexpr ColourTable kDefaults = {kTeal, kTeal, kWhite, kBlack};
  fs::path path = folder_.dataFilePath(kColourFile);
  if (!isFile(path)) return kDefaults[static_cast<std::size_t>(std::clamp(index, 0, 3))];
  return static_cast<Colour>(folder_.openPath(path, 4, RecordFile::Mode::Read).readInt32LE(index));
}

void Settings::saveColours(Colour mainWindow, Colour background, Colour definitionText) const {
  if (!folder_.writable()) return;
  fs::path path = folder_.dataFolder() ? folder_.inDataFolder(kColourFile)
                                       : folder_.inProgramFolder(kColourFile);
  RecordFile file = folder_.openPath(path, 4, RecordFile::Mode::Create);
  const ColourTable colours = {mainWindow, background, definitionText, definitionText};
  for (std::size_t i = 0; i < colours.size(); ++i) {
    file.writeInt32LE(static_cast<std::int64_t>(i), static_cast<std::int32_t>(colours[i]));
  }
}

}  // namespace vorlane
