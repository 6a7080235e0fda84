#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "data/Definitions.h"
#include "data/Settings.h"
#include "data/TextCodec.h"
#include "data/WordRecord.h"
#include "support/TempFolder.h"
#include "support/WordSetBuilder.h"

// Writes the seed corpora of the fuzz targets into the folder given, one folder a target:
// small data sets made by the game's own writers, and the help file of the game.
//   fuzz_seeds <corpus folder> <help file>
namespace {

namespace fs = std::filesystem;
using vorlane::fuzz::joinParts;

void writeSeed(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string recordsOf(int count, const std::vector<std::pair<int, int>>& values) {
  std::string bytes(static_cast<std::size_t>(4 * count), '\0');
  for (const auto& [record, value] : values) {
    for (int i = 0; i < 4; ++i) {
      bytes[static_cast<std::size_t>(4 * record + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
  }
  return bytes;
}

std::string nameRecords(const std::vector<std::string>& names) {
  std::string bytes;
  for (const std::string& name : names) {
    std::string record(vorlane::kScoreNameRecordSize, '\0');
    record[0] = static_cast<char>(name.size());
    record.replace(1, name.size(), name);
    bytes += record;
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds <corpus folder> <help file>\n");
    return 2;
  }
  const fs::path corpus = argv[1];
  vorlane::test::TempFolder temp;
  const fs::path data = temp.dataFolder();
  vorlane::test::WordSetBuilder()
      .word("abaque", 1)
      .word("chiner", 2, 1, "Fouiller chez les brocanteurs.")
      .word("Chiner", 0)
      .word("nicher", 3, 1, "Faire son nid.")
      .word("Nicole", 0, 1)
      .word("marché", 1, -1, "Lieu public de vente.")
      .word("orange", 4, 2, "Fruit de l'oranger.")
      .word("onagre", 5, 2)
      .word("zénith", 2, -1, "Point du ciel à la verticale.")
      .appendixWord("organe", 6, 2)
      .write(data);
  const auto read = [&](std::string_view name) { return temp.readFile(fs::path("Zari666") / name); };
  for (const char* word : {"CHINER", "ORANGE", "ZENITH", "ORGANE", "ABSENT"}) {
    writeSeed(corpus / "FuzzWordFiles", word,
              joinParts({read(vorlane::kWordFile), read(vorlane::kAnagramFile),
                         read(vorlane::kLetterIndexFile), word}));
    writeSeed(corpus / "FuzzDefinitions", word,
              joinParts({read(vorlane::kWordFile), read(vorlane::kLetterIndexFile),
                         read(vorlane::kDefinitionsFile), word}));
  }

  using namespace vorlane::setting;
  const std::string settings = recordsOf(kRecordCount, {{kTrainingMode, 1}, {kJuniorClass, 1},
                                                        {kWindowTop, 40}, {kSeniorScores, 900},
                                                        {kSeniorScores + 1, 300}, {kJuniorScores, 500},
                                                        {kRecentAnagram, 3}});
  const std::string names = nameRecords({"", "ANNE", "JEAN-LUC", "", "", "", "", "LEA"});
  const std::string colours = recordsOf(4, {{0, 0x808000}, {1, 0x808000}, {2, 0xFFFFFF}, {3, 0xFFFFFF}});
  writeSeed(corpus / "FuzzSettingsFiles", "complete", joinParts({settings, names, colours, "\x08ZOE   "}));
  writeSeed(corpus / "FuzzSettingsFiles", "short", joinParts({settings.substr(0, 120), names.substr(0, 400), "\x01\x02", "\x30"}));

  // The data folder spelled as shipped with the word list and both factory copies; then the
  // older layout, everything beside the program.
  const auto entry = [](std::uint8_t place, std::uint8_t slot, std::uint8_t kind, const std::string& bytes) {
    return std::string{static_cast<char>(place), static_cast<char>(slot), static_cast<char>(kind),
                       static_cast<char>(bytes.size())} + bytes;
  };
  std::string layout(1, '\0');
  std::string older(1, '\x04');
  for (std::uint8_t slot = 0; slot < 6; ++slot) {
    layout += entry(1, slot, 0, "abcd");
    older += entry(0, slot, slot == 4 ? 1 : 0, "abcd");
  }
  layout += entry(1, 31, 0, std::string(151, 'N'));
  writeSeed(corpus / "FuzzDataFolder", "layout", layout);
  writeSeed(corpus / "FuzzDataFolder", "older", older);

  std::ifstream help(argv[2], std::ios::binary);
  writeSeed(corpus / "FuzzHelpFile", "vorlane.hlp",
            std::string(std::istreambuf_iterator<char>(help), std::istreambuf_iterator<char>()));
  writeSeed(corpus / "FuzzHelpFile", "anchors",
            "<html><body><a name=\"sommaire\">S</a><p>texte</p><a name=\"coord\">C</a></body></html>");
  return 0;
}
