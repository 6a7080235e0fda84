#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/IoError.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "support/FileFaults.h"
#include "support/IoFailure.h"
#include "support/OpenDescriptors.h"
#include "support/TempFolder.h"

// The colour file is rewritten whole: a save cut short at any step, by an error or by the
// end of the program, leaves the old colours or the new ones, never an empty file.
namespace vorlane {
namespace {

using test::FileFaults;
using test::openDescriptors;

class ColourSaveTest : public ::testing::Test {
 protected:
  ColourSaveTest() {
    folder.setWritable(true);
    temp.dataFolder();
  }
  std::string colourFile() const { return temp.readFile("Zari666/color.ini"); }
  std::vector<std::string> dataFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp.dataFolder()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  void saveNewColours() const { settings.saveColours(0x0000FF, 0x00FF00, 0x123456); }

  // Main window red, background green, definitions 0x123456 twice.
  const std::string after{"\xFF\0\0\0\0\xFF\0\0\x56\x34\x12\0\x56\x34\x12\0", 16};
  const std::string before{"\x80\x80\0\0\x11\x22\x33\0\xFF\xFF\xFF\0\xFF\xFF\xFF\0", 16};
  test::TempFolder temp;
  DataFolder folder{temp.path()};
  Settings settings{folder};
};

TEST_F(ColourSaveTest, AFailureAtAnyStepKeepsTheOldColoursAndSaysSo) {
  FileFaults faults;
  const std::ptrdiff_t descriptors = openDescriptors();
  temp.writeFile("Zari666/color.ini", before);
  faults.failAt(0, 0);
  saveNewColours();
  ASSERT_EQ(colourFile(), after);
  const int steps = faults.steps();
  ASSERT_EQ(steps, 3) << "the copy written, flushed, renamed";

  for (const bool firstSave : {false, true}) {
    for (const int error : {EIO, ENOSPC}) {
      for (int n = 1; n <= steps; ++n) {
        SCOPED_TRACE((firstSave ? "first save, step " : "step ") + std::to_string(n) + ", error " +
                     std::to_string(error));
        std::filesystem::remove(temp.dataFolder() / "color.ini");
        if (!firstSave) temp.writeFile("Zari666/color.ini", before);
        faults.failAt(n, error);
        try {
          saveNewColours();
          ADD_FAILURE() << "the failure went unreported";
        } catch (const IoError& failure) {
          EXPECT_EQ(failure.file(), temp.dataFolder() / "color.ini");
          const std::string what = failure.what();
          EXPECT_NE(what.find(systemReason(error)), std::string::npos) << what;
          EXPECT_NE(what.find(toWin1252("le fichier est resté tel qu'il était")), std::string::npos)
              << what;
        }
        faults.failAt(0, 0);
        if (firstSave) {
          EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{}) << "no empty colour file";
          EXPECT_EQ(settings.readColour(0), kTeal);
        } else {
          EXPECT_EQ(colourFile(), before);
          EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{"color.ini"});
          EXPECT_EQ(settings.readColour(1), 0x332211u);
        }
      }
    }
  }
  EXPECT_EQ(openDescriptors(), descriptors) << "every save, failed or not, closes what it opened";
}

TEST_F(ColourSaveTest, AKilledSaveLeavesTheOldColoursOrTheNewAndTheNextStartTidiesUp) {
  FileFaults faults;
  int killed = 0;
  for (int n = 1;; ++n) {
    SCOPED_TRACE("killed at step " + std::to_string(n));
    temp.writeFile("Zari666/color.ini", before);
    const int exit = test::inChildProcess([&] {
      faults.killAt(n);
      saveNewColours();
    });
    if (exit == 0) break;
    ASSERT_EQ(exit, FileFaults::kKilled);
    ++killed;
    EXPECT_EQ(colourFile(), before);
    checkDataFiles(folder);  // the next start
    EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{"color.ini"}) << "the copy is gone";
  }
  EXPECT_EQ(killed, 3);
  EXPECT_EQ(colourFile(), after);
}

// A folder closed to the player, who may still write the file: the colours go into the file
// itself. Root ignores the folder's permissions, so a root run saves as "nobody".
TEST_F(ColourSaveTest, AFolderClosedToThePlayerHasTheColoursWrittenIntoItsFile) {
  namespace fs = std::filesystem;
  const bool root = ::geteuid() == 0;
  if (root && (fs::status(temp.path().parent_path()).permissions() & fs::perms::others_exec) ==
                  fs::perms::none) {
    GTEST_SKIP() << "the temporary folder is closed to other players";
  }
  temp.writeFile("Zari666/color.ini", before);
  const auto openToRead = static_cast<fs::perms>(0755);
  fs::permissions(temp.path(), openToRead);
  fs::permissions(temp.dataFolder(), root ? openToRead : static_cast<fs::perms>(0555));
  fs::permissions(temp.dataFolder() / "color.ini", static_cast<fs::perms>(0666));
  const int exit = test::inChildProcess([&] {
    if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    saveNewColours();
  });
  fs::permissions(temp.dataFolder(), openToRead);
  EXPECT_EQ(exit, 0);
  EXPECT_EQ(colourFile(), after);
  EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{"color.ini"});
}

TEST_F(ColourSaveTest, AFolderThatTakesNoNewFileStillHasItsColoursWritten) {
  folder.setTakesNoNewFile(true);
  EXPECT_THROW(saveNewColours(), IoError) << "no colour file to write into";
  EXPECT_FALSE(temp.exists("Zari666/color.ini"));
  temp.writeFile("Zari666/color.ini", before + "tail");
  saveNewColours();
  EXPECT_EQ(colourFile(), after);
  EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{"color.ini"});

  folder.setTakesNoNewFile(false);
  folder.setWritable(false);
  temp.writeFile("Zari666/color.ini", before);
  saveNewColours();
  EXPECT_EQ(colourFile(), before) << "read-only mode writes nothing";

  // A medium found write-protected refuses the write even when it was asked for.
  folder.setWritable(true);
  folder.setWriteProtected(true);
  EXPECT_EQ(test::ioFailure([&] { saveNewColours(); }), "disque protégé en écriture");
  EXPECT_EQ(colourFile(), before);
}

TEST_F(ColourSaveTest, TheRewrittenFileKeepsItsPermissionsAndANewOneIsReadableByAll) {
  namespace fs = std::filesystem;
  const fs::path file = temp.dataFolder() / "color.ini";
  temp.writeFile("Zari666/color.ini", before);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  saveNewColours();
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::remove(file);
  saveNewColours();
  EXPECT_EQ(fs::status(file).permissions(), static_cast<fs::perms>(0644));
}

// A colour file that is a link: the file it points at takes the colours and the link stays;
// a save cut short leaves its copy beside that file, and the next start removes it.
TEST_F(ColourSaveTest, ALinkedColourFileIsRewrittenWhereItPoints) {
  namespace fs = std::filesystem;
  const fs::path target = temp.path() / "couleurs.ini";
  const fs::path leftOver = temp.path() / "couleurs.ini.nouveau";
  temp.writeFile("couleurs.ini", before);
  fs::create_symlink(target, temp.dataFolder() / "color.ini");
  FileFaults faults;
  EXPECT_EQ(test::inChildProcess([&] {
              faults.killAt(2);
              saveNewColours();
            }),
            FileFaults::kKilled);
  EXPECT_TRUE(fs::exists(leftOver)) << "the copy is written beside the file linked to";
  checkDataFiles(folder);
  EXPECT_FALSE(fs::exists(leftOver));

  saveNewColours();
  EXPECT_TRUE(fs::is_symlink(temp.dataFolder() / "color.ini"));
  EXPECT_EQ(temp.readFile("couleurs.ini"), after);
  EXPECT_EQ(dataFolderEntries(), std::vector<std::string>{"color.ini"});

  fs::remove(target);
  EXPECT_EQ(test::ioFailure([&] { saveNewColours(); }).rfind("ouverture impossible (", 0), 0u)
      << "a link to nothing";
  EXPECT_FALSE(fs::exists(target));
}

// A copy that cannot be made (a folder holds its name) is told with its reason, and the
// colour file stays as it was.
TEST_F(ColourSaveTest, ACopyThatCannotBeMadeIsToldAndTheFileStays) {
  temp.writeFile("Zari666/color.ini", before);
  std::filesystem::create_directory(temp.dataFolder() / "color.ini.nouveau");
  EXPECT_NE(test::ioFailure([&] { saveNewColours(); })
                .find("création de la copie impossible (c'est un dossier) ; le fichier est resté "
                      "tel qu'il était"),
            std::string::npos);
  EXPECT_EQ(colourFile(), before);
}

// A settings file that cannot serve: the start-up names it with its true reason, leaves it
// as it is, and the run saves nothing; the score window says why.
TEST(DamagedSettingsTest, EachDamageIsToldWithItsReasonAndTheEntryIsLeftAlone) {
  struct Case {
    const char* what;
    std::function<void(const test::TempFolder&)> damage;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"a folder in its place",
       [](const test::TempFolder& t) { std::filesystem::create_directory(t.dataFolder() / "Prefint.666"); },
       "c'est un dossier"},
      {"a link to a folder",
       [](const test::TempFolder& t) {
         std::filesystem::create_directory(t.path() / "ailleurs");
         std::filesystem::create_symlink(t.path() / "ailleurs", t.dataFolder() / "Prefint.666");
       },
       "c'est un dossier, pas le fichier des réglages"},
      {"a link round in circles",
       [](const test::TempFolder& t) {
         std::filesystem::create_symlink("Prefint.666", t.dataFolder() / "Prefint.666");
       },
       "lien symbolique qui tourne en rond"},
      {"a full disk at the first start", [](const test::TempFolder&) {}, "disque plein"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::TempFolder temp;
    for (const char* name : {"azl.666", "Azlana.666", "Dicx.666", "Nazniv.666", "Prefn.666"})
      temp.writeFile(std::string("Zari666/") + name, "x");
    temp.writeFile("Zari666/Nsco.666", std::string(1600, '\0'));
    c.damage(temp);
    DataFolder folder(temp.path());
    FileFaults faults;
    faults.failFrom(1, ENOSPC);  // a disk with no room for the working copy
    ASSERT_TRUE(checkDataFiles(folder));
    const std::optional<IoError> trouble = settingsFileTrouble(folder);
    ASSERT_TRUE(trouble.has_value());
    EXPECT_EQ(trouble->file(), temp.dataFolder() / "Prefint.666") << "the data folder's entry";
    EXPECT_NE(std::string(trouble->what()).find(toWin1252(c.reason)), std::string::npos)
        << trouble->what();
    std::error_code ec;
    EXPECT_FALSE(std::filesystem::is_regular_file(temp.dataFolder() / "Prefint.666", ec))
        << "not replaced without a word";
    EXPECT_FALSE(temp.exists("Prefint.666"));
  }

  test::TempFolder healthy;
  healthy.writeFile("Zari666/Prefint.666", std::string(1600, '\0'));
  EXPECT_FALSE(settingsFileTrouble(DataFolder(healthy.path())).has_value());
  std::filesystem::remove(healthy.dataFolder() / "Prefint.666");
  EXPECT_FALSE(settingsFileTrouble(DataFolder(healthy.path())).has_value()) << "no factory copy";
  // A medium that takes no write is the read-only mode's business, not a damaged file.
  healthy.writeFile("Zari666/Nsco.666", std::string(1600, '\0'));
  std::filesystem::remove(healthy.dataFolder() / "Prefint.666");
  DataFolder medium(healthy.path());
  medium.setWriteProtected(true);
  EXPECT_FALSE(settingsFileTrouble(medium).has_value());

  // A copy refused for want of permission is the read-only mode's business too; one that
  // fails once is made when tried again.
  medium.setWriteProtected(false);
  for (const int error : {EACCES, EPERM, EROFS}) {
    FileFaults faults;
    faults.failFrom(1, error);
    EXPECT_FALSE(settingsFileTrouble(medium).has_value()) << error;
  }
  FileFaults faults;
  faults.failAt(2, ENOSPC);
  EXPECT_FALSE(settingsFileTrouble(medium).has_value());
  EXPECT_TRUE(std::filesystem::is_regular_file(healthy.dataFolder() / "Prefint.666"));
}

}  // namespace
}  // namespace vorlane
