#include "data/Settings.h"

#include <algorithm>
#include <filesystem>

#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr std::string_view kColourFile = "color.ini";

bool isFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

// The record of a score name: the length byte, the text, zeros.
std::string nameRecordBytes(std::string_view name) {
  std::string_view cut = name.substr(0, std::min(name.size(), kScoreNameMaxLength));
  std::string bytes(kScoreNameRecordSize, '\0');
  bytes[0] = static_cast<char>(cut.size());
  bytes.replace(1, cut.size(), cut);
  return bytes;
}

// The whole of a file that must exist.
std::string wholeFile(const DataFolder& folder, const fs::path& path) {
  RecordFile file = folder.openPath(path, RecordFile::kBytes, RecordFile::Mode::Read);
  return file.readBytesAt(0, static_cast<std::size_t>(file.recordCount()));
}

// Puts record n of `size` bytes into a file's bytes; a record outside them throws.
void putRecord(std::string& bytes, const fs::path& path, int n, std::string_view record) {
  const auto offset = static_cast<std::size_t>(n) * record.size();
  if (n < 0 || offset + record.size() > bytes.size()) {
    throw IoError(path, toWin1252("enregistrement hors du fichier : le fichier est endommagé "
                                  "(trop court) ; rien n'a été enregistré"));
  }
  bytes.replace(offset, record.size(), record);
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
  DataFolderLock lock(folder_);
  folder_.open(kSettingsFile, 4, RecordFile::Mode::ReadWrite).writeInt32LE(record, value);
}

void Settings::writeScoreName(int record, std::string_view name) const {
  if (!folder_.writable()) return;
  DataFolderLock lock(folder_);
  folder_.open(kScoreNamesFile, kScoreNameRecordSize, RecordFile::Mode::ReadWrite)
      .write(record, nameRecordBytes(name));
}

void Settings::writeTogether(const RecordChanges& changes) const {
  if (!folder_.writable()) return;
  const fs::path settingsPath = folder_.dataFilePath(kSettingsFile);
  const fs::path namesPath = folder_.dataFilePath(kScoreNamesFile);
  std::string settingsBytes = wholeFile(folder_, settingsPath);
  std::string namesBytes = wholeFile(folder_, namesPath);
  for (const auto& [record, value] : changes.settings) {
    putRecord(settingsBytes, settingsPath, record, int32LEBytes(value));
  }
  for (const auto& [record, name] : changes.names) {
    putRecord(namesBytes, namesPath, record, nameRecordBytes(name));
  }
  const auto settingsCopy = folder_.prepareReplacement(settingsPath, settingsBytes);
  const auto namesCopy = folder_.prepareReplacement(namesPath, namesBytes);
  settingsCopy->commit();
  namesCopy->keepCopy();
  namesCopy->commit();
}

void Settings::finishInterruptedSave() const {
  if (folder_.writeProtected()) return;
  std::error_code ec;
  const fs::path names = folder_.dataFilePath(kScoreNamesFile);
  const fs::path namesCopy = FileReplacement::copyPath(names);
  const fs::path settingsCopy = FileReplacement::copyPath(folder_.dataFilePath(kSettingsFile));
  if (fs::exists(namesCopy, ec) && !fs::exists(settingsCopy, ec)) {
    fs::rename(namesCopy, fs::is_symlink(names, ec) ? fs::canonical(names, ec) : names, ec);
  }
  fs::remove(namesCopy, ec);
  fs::remove(settingsCopy, ec);
  const fs::path colours = folder_.dataFolder() ? folder_.inDataFolder(kColourFile)
                                                : folder_.inProgramFolder(kColourFile);
  fs::remove(FileReplacement::copyPath(colours), ec);
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
  if (!isFile(path)) return kDefaults.at(static_cast<std::size_t>(index));
  return static_cast<Colour>(folder_.openPath(path, 4, RecordFile::Mode::Read).readInt32LE(index));
}

void Settings::saveColours(Colour mainWindow, Colour background, Colour definitionText) const {
  if (!folder_.writable()) return;
  fs::path path = folder_.dataFolder() ? folder_.inDataFolder(kColourFile)
                                       : folder_.inProgramFolder(kColourFile);
  const ColourTable colours = {mainWindow, background, definitionText, definitionText};
  std::string bytes;
  for (const Colour colour : colours) bytes += int32LEBytes(static_cast<std::int32_t>(colour));
  DataFolderLock lock(folder_);
  folder_.replaceFile(path, bytes);
}

}  // namespace vorlane
