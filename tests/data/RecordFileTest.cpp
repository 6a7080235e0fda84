#include "data/RecordFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <string>
#include <utility>

#include "data/IoError.h"
#include "data/TextCodec.h"
#include "support/FileFaults.h"
#include "support/IoFailure.h"
#include "support/OpenDescriptors.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace vorlane {
namespace {

using test::ioFailure;

class RecordFileTest : public ::testing::Test {
 protected:
  fs::path file() const { return temp.path() / "r.666"; }
  test::TempFolder temp;
};

// Records of four bytes: little-endian integers at their place, padded and cut records,
// the file never lengthened in place, and every refusal told without a stale reason.
TEST_F(RecordFileTest, RecordsAtTheirPlaceAndEveryRefusalToldExactly) {
  {
    RecordFile created(file(), 4, RecordFile::Mode::Create);
    created.writeInt32LE(0, -2);
    created.writeInt32LE(2, 0x01020304);
    created.write(3, "ab");
    created.write(4, "123456");
    EXPECT_EQ(created.recordCount(), 5);
  }
  EXPECT_EQ(temp.readFile("r.666"), std::string("\xFE\xFF\xFF\xFF", 4) + std::string(4, '\0') +
                                        "\x04\x03\x02\x01" + std::string("ab\0\0", 4) + "1234");

  RecordFile file2(file(), 4, RecordFile::Mode::ReadWrite);
  EXPECT_EQ(file2.readInt32LE(0), -2);
  EXPECT_EQ(file2.readInt32LE(2), 0x01020304);
  EXPECT_EQ(file2.read(4), "1234");
  file2.writeInt32LE(4, 2147483647);
  EXPECT_EQ(file2.readInt32LE(4), 2147483647);
  EXPECT_EQ(file2.readBytesAt(18, 10), "\xFF\x7F") << "fewer bytes at the end";
  EXPECT_EQ(file2.readBytesAt(17, 3), "\xFF\xFF\x7F");

  errno = EPERM;  // a reason left by an earlier call is not this failure's
  EXPECT_EQ(ioFailure([&] { file2.read(5); }), "lecture au-delà de la fin du fichier");
  errno = EPERM;
  EXPECT_EQ(ioFailure([&] { file2.read(-1); }), "enregistrement hors du fichier");
  errno = EPERM;
  EXPECT_EQ(ioFailure([&] { file2.write(-1, "x"); }), "enregistrement hors du fichier");
  errno = EPERM;
  EXPECT_EQ(ioFailure([&] { file2.write(5, "x"); }), "enregistrement hors du fichier");
  EXPECT_EQ(ioFailure([&] { file2.writeBytesAt(19, "ab"); }), "enregistrement hors du fichier");
  EXPECT_EQ(ioFailure([&] { file2.writeBytesAt(18, "ab"); }), "");
  EXPECT_EQ(file2.recordCount(), 5) << "never lengthened";

  test::FileFaults faults;
  faults.failAt(1, ENOSPC);
  EXPECT_EQ(ioFailure([&] { file2.write(1, "zzzz"); }), "écriture impossible (disque plein)");
  EXPECT_EQ(file2.read(1), std::string(4, '\0'));

  // A write cut short, here by a limit on the file's size as by a disk that fills up.
  const int cutShort = test::inChildProcess([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{6, 6};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    RecordFile created(temp.path() / "court.666", 4, RecordFile::Mode::Create);
    created.write(0, "abcd");
    if (ioFailure([&] { created.write(1, "efgh"); }) != "écriture impossible (disque plein)")
      ::_exit(2);
  });
  EXPECT_EQ(cutShort, 0);
}

TEST_F(RecordFileTest, OpeningTellsWhatIsMissingOrWrong) {
  EXPECT_EQ(ioFailure([&] { RecordFile(file(), 4, RecordFile::Mode::Read); }),
            "ouverture impossible (fichier ou dossier introuvable)");
  EXPECT_EQ(ioFailure([&] { RecordFile(file(), 4, RecordFile::Mode::ReadWrite); }),
            "ouverture impossible (fichier ou dossier introuvable)");
  EXPECT_FALSE(fs::exists(file()));
  fs::create_directory(temp.path() / "dossier");
  const std::ptrdiff_t descriptors = test::openDescriptors();
  EXPECT_EQ(ioFailure([&] { RecordFile(temp.path() / "dossier", 4, RecordFile::Mode::Read); }),
            "ouverture impossible (c'est un dossier)");
  EXPECT_EQ(test::openDescriptors(), descriptors) << "the folder's descriptor is not kept";

  // A file opened for reading takes no write: the system's refusal is told, once.
  temp.writeFile("lu.666", "abcd");
  RecordFile readOnly(temp.path() / "lu.666", 4, RecordFile::Mode::Read);
  EXPECT_EQ(ioFailure([&] { readOnly.write(0, "zzzz"); }).rfind("écriture impossible (", 0), 0u);
  EXPECT_EQ(readOnly.read(0), "abcd");

  // Create empties a file that exists; a moved file stays open in its new owner.
  temp.writeFile("r.666", "ancien contenu");
  RecordFile moved = [&] {
    RecordFile created(file(), 2, RecordFile::Mode::Create);
    return RecordFile(std::move(created));
  }();
  EXPECT_EQ(moved.recordCount(), 0);
  moved.write(1, "ok");
  EXPECT_EQ(moved.read(1), "ok");
  EXPECT_EQ(temp.readFile("r.666"), std::string("\0\0ok", 4));
}

// Every reason the system gives is told in French; one without a text of its own, by number.
TEST(SystemReasonTest, EachReasonIsToldInFrench) {
  const std::pair<int, const char*> reasons[] = {
      {ENOSPC, "disque plein"},
      {EDQUOT, "quota du disque dépassé"},
      {EFBIG, "fichier trop grand"},
      {EACCES, "accès refusé"},
      {EPERM, "accès refusé"},
      {EROFS, "disque protégé en écriture"},
      {ENOENT, "fichier ou dossier introuvable"},
      {ENOTDIR, "un élément du chemin n'est pas un dossier"},
      {EISDIR, "c'est un dossier"},
      {EIO, "erreur matérielle de lecture ou d'écriture"},
      {EMFILE, "trop de fichiers ouverts"},
      {ENFILE, "trop de fichiers ouverts"},
      {ELOOP, "lien symbolique qui tourne en rond"},
      {ENAMETOOLONG, "nom de fichier trop long"},
      {EXDEV, "erreur système n° 18"},
  };
  for (const auto& [error, text] : reasons) EXPECT_EQ(win1252ToUtf8(systemReason(error)), text);
}

}  // namespace
}  // namespace vorlane
