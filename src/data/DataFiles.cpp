#include "data/DataFiles.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <span>
#include <string_view>

#include "data/Contact.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

constexpr std::array<std::string_view, 5> kObsoleteFiles = {"liv.ico", "livouv.ico", "livouv2.ico",
                                                            "ecran.gif", "anagra.bmp"};

// A scan of the attribute test gives up once it has passed this many files in a row that
// needed no change: the next file is not looked at.
constexpr int kScanPatience = 36;

std::array<std::string, kDistributionSlots> buildDistributionFiles() {
  constexpr auto dataSet = std::to_array<std::string_view>({
      "azl.666", "Azlana.666", "Dicx.666", "Nazniv.666", "Nsco.666", "Prefn.666", "", "",
      "blue.bmp", "cotebl.bmp", "cotejau.bmp", "diable.bmp", "gristra.bmp", "jaunbul.bmp",
      "mauve.bmp", "pave.bmp", "redbul.bmp", "riveteal.bmp", "riviol.bmp", "vert.bmp",
      "vertmar.bmp", "violet.bmp", "bip.wav", "btn.wav", "Ding.wav", "dong.wav", "fin.wav",
      "gagne.wav", "Hi.wav", "Inter.wav", "joker.wav", "Nscostx.666",
      // The word-form list: optional, so that the installer copies it too.
      "Formes.666", "", "", "", "", "",
      // The executable is the file "Vorlane" here, so that the installer copies it.
      "vorlane.url", "Zari666", "Cerf.hlp", "Cerfhtml.htm", "Vorlane", "Vorlane.hlp", "ecran.bmp",
      "File_id.diz", "Lisezmoi.txt", "Lisezmoi.wri", "Vendor.doc"});
  static_assert(dataSet.size() <= kDistributionSlots);
  std::array<std::string, kDistributionSlots> slots;
  std::copy(dataSet.begin(), dataSet.end(), slots.begin());
  return slots;
}

bool hasExtension(const fs::path& p, std::string_view ext) {
  return plainForm(p.filename().native()).ends_with(plainForm(ext));
}

void clearReadOnlyAttributes(const DataFolder& folder, const fs::path& dir, std::string_view ext) {
  std::error_code ec;
  int unchangedInARow = 0;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec) || !hasExtension(it->path(), ext)) continue;
    if (folder.isReadOnly(it->path())) {
      folder.clearReadOnly(it->path());
      unchangedInARow = 0;
    } else if (++unchangedInARow >= kScanPatience) {
      return;
    }
  }
}

// Moves the files of an older layout (lying beside the program) into the data folder.
void tidyOlderLayout(const DataFolder& folder) {
  const auto dataFolderSet = std::span(distributionFiles()).first<kDataFolderSlots>();
  for (const std::string& name : dataFolderSet) {
    if (name.empty()) continue;
    if (folder.existsInProgramFolder(name) && folder.existsInDataFolder(name)) {
      fs::path beside = folder.inProgramFolder(name);
      if (folder.clearReadOnly(beside)) folder.removeFile(beside);
    }
  }
  for (std::string_view name : {kSettingsFile, kScoreNamesFile}) {
    std::string_view condition = name == kSettingsFile ? "azl.666" : name;
    if (folder.existsInProgramFolder(name) && folder.existsInDataFolder(condition)) {
      fs::path beside = folder.inProgramFolder(name);
      if (folder.copyFile(beside, folder.inDataFolder(name))) folder.removeFile(beside);
    }
  }
  for (std::string_view name : kObsoleteFiles) {
    if (!folder.existsInProgramFolder(name)) continue;
    fs::path obsolete = folder.inProgramFolder(name);
    if (folder.clearReadOnly(obsolete)) folder.removeFile(obsolete);
  }
  if (folder.existsInDataFolder("azl.666")) return;
  folder.createDataFolder();
  if (!folder.dataFolder()) return;
  for (const std::string& name : dataFolderSet) {
    if (name.empty() || !folder.existsInProgramFolder(name)) continue;
    fs::path beside = folder.inProgramFolder(name);
    if (folder.clearReadOnly(beside) && folder.copyFile(beside, folder.inDataFolder(name))) {
      folder.removeFile(beside);
    }
  }
}

// An entry of the data folder by that name, whatever it is: a folder, or a link that leads
// nowhere, is no file, yet it is not replaced without a word.
bool hasEntry(const DataFolder& folder, std::string_view name) {
  const auto dataFolder = folder.dataFolder();
  return dataFolder && DataFolder::findEntry(*dataFolder, name);
}

void makeFactoryCopy(const DataFolder& folder, std::string_view working, std::string_view factory) {
  if (folder.existsInProgramFolder(working) || hasEntry(folder, working)) return;
  if (!folder.existsInDataFolder("azl.666")) return;
  folder.copyFile(folder.inDataFolder(factory), folder.inDataFolder(working));
}

}  // namespace

const std::array<std::string, kDistributionSlots>& distributionFiles() {
  static const auto slots = buildDistributionFiles();
  return slots;
}

std::string dataFilesFailureMessage(const DataFolder& folder) {
  std::string programFolder = pathText(folder.programFolder());
  if (programFolder.empty() || programFolder.back() != '/') programFolder += '/';
  return toWin1252("Un ou plusieurs fichiers manquent ou ont été déplacés dans votre répertoire ") +
         programFolder + ". " +
         toWin1252("En cas de problème d'installation, n'hésitez pas à me contacter : ") +
         std::string(kSupportEmail) + " ou " + std::string(kSupportPhone) + ".";
}

bool checkDataFiles(const DataFolder& folder) {
  {
    // A save of an earlier run cut short by its end is finished or undone first.
    DataFolderLock lock(folder);
    Settings(folder).finishInterruptedSave();
  }
  if (folder.existsInProgramFolder("azl.666")) tidyOlderLayout(folder);
  makeFactoryCopy(folder, kSettingsFile, kFactorySettingsFile);
  makeFactoryCopy(folder, kScoreNamesFile, kFactoryScoreNamesFile);
  return std::ranges::all_of(std::span(distributionFiles()).first<kRequiredSlots>(),
                             [&folder](const std::string& name) {
                               return folder.existsInProgramFolder(name) ||
                                      folder.existsInDataFolder(name);
                             });
}

std::string nothingSavedNotice() {
  return toWin1252(" ; les réglages et les scores ne seront pas enregistrés pendant cette partie");
}

std::optional<IoError> settingsFileTrouble(const DataFolder& folder) {
  const auto dataFolder = folder.dataFolder();
  if (!dataFolder || folder.existsInProgramFolder(kSettingsFile)) return std::nullopt;
  const std::optional<fs::path> entry = DataFolder::findEntry(*dataFolder, kSettingsFile);
  if (!entry) {
    if (!folder.existsInDataFolder(kFactorySettingsFile) || folder.writeProtected()) {
      return std::nullopt;
    }
    // The copy of the start-up failed: tried again, it tells why.
    const fs::path working = *dataFolder / fs::path(std::string(kSettingsFile));
    std::error_code failure;
    if (folder.copyFile(folder.inDataFolder(kFactorySettingsFile), working, &failure)) {
      return std::nullopt;
    }
    // No permission or a read-only medium: the write test makes it the read-only mode.
    if (failure.value() == EROFS || failure.value() == EACCES || failure.value() == EPERM) {
      return std::nullopt;
    }
    return IoError(working, toWin1252("création à partir de la copie d'origine Nsco.666 "
                                      "impossible (") +
                                systemReason(failure.value()) + ")");
  }
  // A folder, or a link to one, in the file's place.
  struct stat st {};
  if (::stat(entry->c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    return IoError(*entry, toWin1252("c'est un dossier, pas le fichier des réglages"));
  }
  const int fd = ::open(entry->c_str(), O_RDONLY | O_CLOEXEC);
  if (fd == -1) {
    return IoError(*entry, toWin1252("lecture impossible (") + systemReason(errno) + ")");
  }
  ::close(fd);
  return std::nullopt;
}

bool testDataFolderWritable(const DataFolder& folder) {
  fs::path dataDir = folder.programFolder() / fs::path(std::string(kDataFolderName));
  if (auto existing = folder.dataFolder()) dataDir = *existing;
  clearReadOnlyAttributes(folder, folder.programFolder(), ".666");
  clearReadOnlyAttributes(folder, dataDir, ".666");
  clearReadOnlyAttributes(folder, folder.programFolder(), ".ini");
  clearReadOnlyAttributes(folder, dataDir, ".ini");

  std::error_code ec;
  fs::path target = folder.dataFilePath(kSettingsFile);
  if (!fs::exists(target, ec)) target = folder.dataFilePath(kFactorySettingsFile);
  if (!fs::exists(target, ec)) return false;
  try {
    RecordFile file = folder.openPath(target, 4, RecordFile::Mode::ReadWrite);
    // Record 8 of the settings file has no other use than this test. A damaged file too
    // short to hold it is never lengthened: opening it for writing was the test.
    if (file.recordCount() > setting::kWriteTest) file.writeInt32LE(setting::kWriteTest, 0);
    return true;
  } catch (const IoError&) {
    return false;
  }
}

}  // namespace vorlane
