#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "support/TempFolder.h"
#include "support/WordSetBuilder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

using test::TempFolder;

class DataFilesTest : public ::testing::Test {
 protected:
  // The six required files and the factory copies, in the data folder or beside the program.
  void writeDataSet(const fs::path& where) {
    test::WordSetBuilder().word("banane").word("cadeau").writeComplete(where);
    std::ofstream(where / "Nscostx.666", std::ios::binary) << std::string(151 * 13, '\0');
  }

  TempFolder temp;
  DataFolder folder{temp.path()};
};

TEST_F(DataFilesTest, DistributionTableHasItsSlots) {
  const auto& slots = distributionFiles();
  EXPECT_EQ(slots[0], "azl.666");
  EXPECT_EQ(slots[3], "Nazniv.666");
  EXPECT_TRUE(slots[6].empty() && slots[7].empty());
  EXPECT_EQ(slots[8], "blue.bmp");
  EXPECT_EQ(slots[22], "bip.wav");
  EXPECT_EQ(slots[31], "Nscostx.666");
  EXPECT_EQ(slots[32], "Formes.666");
  for (std::size_t i = 33; i < 38; ++i) EXPECT_TRUE(slots[i].empty()) << i;
  // The application folder as it ships: the executable, the data folder, help and read-me.
  EXPECT_EQ(slots[42], "Vorlane");
  EXPECT_EQ(slots[39], "Zari666");
  EXPECT_EQ(slots[43], "Vorlane.hlp");
  EXPECT_EQ(slots[46], "Lisezmoi.txt");
  EXPECT_EQ(slots[48], "Vendor.doc");
  EXPECT_TRUE(slots[49].empty()) << "the last slot holds no file";
}

TEST_F(DataFilesTest, DataFilePathMatchesNamesWithoutRegardToCase) {
  temp.writeFile("zari666/NSCO.666", "x");
  temp.writeFile("Ding.WAV", "y");
  EXPECT_EQ(folder.dataFilePath("Nsco.666"), temp.path() / "zari666" / "NSCO.666");
  EXPECT_EQ(folder.dataFilePath("nsco.666"), temp.path() / "zari666" / "NSCO.666");
  // Not in the data folder: the bare name beside the program, found or not.
  EXPECT_EQ(folder.dataFilePath("ding.wav"), temp.path() / "Ding.WAV");
  EXPECT_EQ(folder.dataFilePath("absent.wav"), temp.path() / "absent.wav");
}

TEST_F(DataFilesTest, CheckPassesAndMakesTheFactoryCopies) {
  writeDataSet(temp.dataFolder());
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), temp.readFile("Zari666/Nsco.666"));
  EXPECT_EQ(temp.readFile("Zari666/stx.666"), temp.readFile("Zari666/Nscostx.666"));
}

TEST_F(DataFilesTest, CheckFailsWithoutAnyRequiredFileAndNamesTheProgramFolder) {
  writeDataSet(temp.dataFolder());
  fs::remove(temp.dataFolder() / "Nazniv.666");
  EXPECT_FALSE(checkDataFiles(folder));
  std::string message = win1252ToUtf8(dataFilesFailureMessage(folder));
  EXPECT_EQ(message.rfind("Un ou plusieurs fichiers manquent ou ont été déplacés dans votre répertoire " +
                              temp.path().native() + "/. En cas de problème d'installation, n'hésitez pas à me contacter : ",
                          0),
            0u)
      << message;
  EXPECT_EQ(message.back(), '.');
  EXPECT_STREQ(kDataFilesFailureTitle, "Vorlane : erreur de fichiers");
}

TEST_F(DataFilesTest, RequiredFileBesideTheProgramIsEnough) {
  writeDataSet(temp.dataFolder());
  fs::rename(temp.dataFolder() / "Dicx.666", temp.path() / "Dicx.666");
  EXPECT_TRUE(checkDataFiles(folder));
  EXPECT_EQ(folder.dataFilePath("dicx.666"), temp.path() / "Dicx.666");
}

TEST_F(DataFilesTest, OlderLayoutIsMovedIntoTheDataFolder) {
  writeDataSet(temp.path());
  temp.writeFile("Prefint.666", std::string(1600, '\1'));
  temp.writeFile("livouv.ico", "old");
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_TRUE(temp.exists("Zari666/azl.666") || temp.exists("Zari666/Azl.666"));
  EXPECT_FALSE(temp.exists("Azl.666"));
  EXPECT_FALSE(temp.exists("livouv.ico"));
  // Settings lying beside the program stay there (the word list reached the data folder only
  // after their turn) and are still found, so no factory copy replaces them.
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_EQ(folder.dataFilePath("Prefint.666"), temp.path() / "Prefint.666");
  EXPECT_FALSE(temp.exists("Zari666/Prefint.666"));
}

TEST_F(DataFilesTest, CopiesBesideTheProgramOfFilesAlreadyInTheDataFolderAreDeleted) {
  writeDataSet(temp.dataFolder());
  temp.writeFile("azl.666", "stale");
  temp.writeFile("Nsco.666", "stale");
  temp.writeFile("stx.666", std::string(151 * 13, 'n'));
  temp.writeFile("Zari666/stx.666", std::string(151 * 13, 'o'));
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_FALSE(temp.exists("azl.666"));
  EXPECT_FALSE(temp.exists("Nsco.666"));
  EXPECT_FALSE(temp.exists("stx.666"));
  EXPECT_EQ(temp.readFile("Zari666/stx.666"), std::string(151 * 13, 'n'));
}

// Settings beside the program move in once the word list is in the data folder; score
// names beside it only take the place of names already there.
TEST_F(DataFilesTest, SettingsMoveInWithTheWordListAndNamesOnlyOverNames) {
  writeDataSet(temp.dataFolder());
  temp.writeFile("azl.666", "stale");  // an older layout beside the program
  temp.writeFile("Prefint.666", std::string(1600, '\5'));
  temp.writeFile("stx.666", std::string(151 * 13, 'n'));
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_FALSE(temp.exists("Prefint.666"));
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), std::string(1600, '\5'));
  EXPECT_TRUE(temp.exists("stx.666"));
}

// A data folder where this player may change files but not add any: the player's settings
// and names beside the program cannot move in, so they stay where they are, still found.
TEST_F(DataFilesTest, SettingsBesideTheProgramStayWhenTheDataFolderTakesNoNewFile) {
  writeDataSet(temp.dataFolder());
  temp.writeFile("azl.666", "stale");
  temp.writeFile("Prefint.666", std::string(1600, '\3'));
  temp.writeFile("stx.666", std::string(151 * 13, 'n'));
  folder.setTakesNoNewFile(true);
  ASSERT_TRUE(checkDataFiles(folder));
  EXPECT_FALSE(temp.exists("azl.666"));
  EXPECT_EQ(temp.readFile("Prefint.666"), std::string(1600, '\3'));
  EXPECT_EQ(temp.readFile("stx.666"), std::string(151 * 13, 'n'));
  EXPECT_FALSE(temp.exists("Zari666/Prefint.666"));
  EXPECT_FALSE(temp.exists("Zari666/stx.666"));
  EXPECT_EQ(folder.dataFilePath("Prefint.666"), temp.path() / "Prefint.666");
}

TEST_F(DataFilesTest, WriteTestClearsReadOnlyFilesAndWritesRecordEight) {
  writeDataSet(temp.dataFolder());
  ASSERT_TRUE(checkDataFiles(folder));
  temp.writeFile("Zari666/Prefint.666", std::string(1600, '\7'));
  // Read-only files of both kinds, beside the program and in the data folder.
  temp.writeFile("notes.666", "x");
  temp.writeFile("vieux.ini", "x");
  temp.writeFile("Zari666/couleurs.ini", "x");
  const fs::path readOnly[] = {temp.dataFolder() / "Prefint.666", temp.path() / "notes.666",
                               temp.path() / "vieux.ini", temp.dataFolder() / "couleurs.ini"};
  for (const fs::path& file : readOnly)
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(testDataFolderWritable(folder));
  for (const fs::path& file : readOnly) EXPECT_FALSE(folder.isReadOnly(file)) << file;
  temp.writeFile("lettre.txt", "x");
  fs::permissions(temp.path() / "lettre.txt", fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_TRUE(testDataFolderWritable(folder));
  EXPECT_TRUE(folder.isReadOnly(temp.path() / "lettre.txt")) << "a file of the player's own";
  std::string bytes = temp.readFile("Zari666/Prefint.666");
  EXPECT_EQ(bytes.substr(32, 4), std::string(4, '\0'));
  EXPECT_EQ(bytes.substr(28, 4), std::string(4, '\7'));
  EXPECT_EQ(bytes.substr(36, 4), std::string(4, '\7'));

  // A damaged settings file too short for record 8 (eight records and three bytes): still a
  // writable folder, never lengthened.
  temp.writeFile("Zari666/Prefint.666", std::string(35, '\7'));
  EXPECT_TRUE(testDataFolderWritable(folder));
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), std::string(35, '\7'));
}

TEST_F(DataFilesTest, WriteProtectedMediumGivesReadOnlyModeAndSkipsEveryWrite) {
  writeDataSet(temp.dataFolder());
  ASSERT_TRUE(checkDataFiles(folder));
  folder.setWriteProtected(true);
  EXPECT_FALSE(testDataFolderWritable(folder));
  folder.setWritable(false);
  Settings settings(folder);
  std::string before = temp.readFile("Zari666/Prefint.666");
  settings.writeSetting(22, 1);
  settings.writeScoreName(1, "ANNE");
  settings.saveColours(1, 2, 3);
  EXPECT_EQ(temp.readFile("Zari666/Prefint.666"), before);
  EXPECT_FALSE(temp.exists("Zari666/color.ini"));
  EXPECT_EQ(settings.readSetting(22), 0);  // reads go on
}

// The files of one scan in the order the folder lists them.
std::vector<fs::path> listed(const fs::path& dir, const std::string& ext) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.path().extension() == ext) files.push_back(entry.path());
  }
  return files;
}

TEST_F(DataFilesTest, WriteTestScanGivesUpAfterThirtySixUnchangedFilesInARow) {
  writeDataSet(temp.dataFolder());
  ASSERT_TRUE(checkDataFiles(folder));
  for (int i = 0; i < 109; ++i) temp.writeFile("p" + std::to_string(i) + ".666", "x");
  const std::vector<fs::path> files = listed(temp.path(), ".666");
  ASSERT_EQ(files.size(), 109u);
  // 35 unchanged files before the first read-only one and the second, 36 before the third.
  for (std::size_t k : {35u, 71u, 108u}) {
    fs::permissions(files[k], fs::perms::owner_write, fs::perm_options::remove);
  }
  EXPECT_TRUE(testDataFolderWritable(folder));
  EXPECT_FALSE(folder.isReadOnly(files[35]));
  EXPECT_FALSE(folder.isReadOnly(files[71])) << "each read-only file starts the count again";
  EXPECT_TRUE(folder.isReadOnly(files[108]));
}

// Two copies of the game take turns on the data folder: the lock waits while the other
// holds it a moment, and holds the folder against the other until it is released.
TEST_F(DataFilesTest, TheDataFolderLockWaitsItsTurnAndHoldsTheFolder) {
  writeDataSet(temp.dataFolder());
  const int other = ::open(temp.dataFolder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  const auto asked = std::chrono::steady_clock::now();
  std::thread release([other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::flock(other, LOCK_UN);
  });
  {
    DataFolderLock lock(folder);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(100));
    release.join();
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0) << "held while the lock lives";
  }
  EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0) << "released with it";

  // Held by the other beyond the patience: the lock gives up and says so.
  try {
    DataFolderLock late(folder, std::chrono::milliseconds(30));
    ADD_FAILURE() << "the lock was taken from the other copy";
  } catch (const IoError& error) {
    EXPECT_EQ(error.file(), temp.dataFolder());
    EXPECT_EQ(win1252ToUtf8(error.what()),
              "dossier occupé par une autre copie de Vorlane qui ne le libère pas ; rien n'a "
              "été enregistré");
  }
  ::close(other);
}

TEST_F(DataFilesTest, WriteTestFailsWithoutSettingsFiles) {
  EXPECT_FALSE(testDataFolderWritable(folder));
}

}  // namespace
}  // namespace vorlane
