#include <string_view>

#include "Assets.h"
#include "BitmapFile.h"
#include "FileBytes.h"
#include "PatternDesigns.h"

namespace vorlane::mkdata {

namespace {

void save(const std::filesystem::path& folder, std::string_view name, const RgbImage& image) {
  writeFileBytes(folder / name, encodeBmp(image));
}

}  // namespace

void writePatterns(const std::filesystem::path& dataFolder) {
  using namespace patterns;
  save(dataFolder, "blue.bmp", softTexture({70.0, 110.0, 200.0}, 1));
  save(dataFolder, "cotebl.bmp", ribs({60.0, 100.0, 210.0}, 2));
  save(dataFolder, "cotejau.bmp", ribs({225.0, 190.0, 40.0}, 3));
  save(dataFolder, "diable.bmp", devilish());
  save(dataFolder, "gristra.bmp", greyStripes());
  save(dataFolder, "jaunbul.bmp", bubbles({215.0, 180.0, 40.0}, {255.0, 240.0, 150.0}, 4));
  save(dataFolder, "mauve.bmp", softTexture({185.0, 140.0, 200.0}, 5));
  save(dataFolder, "pave.bmp", pavingStones());
  save(dataFolder, "redbul.bmp", bubbles({170.0, 25.0, 25.0}, {255.0, 130.0, 120.0}, 6));
  save(dataFolder, "riveteal.bmp", rivets({40.0, 140.0, 140.0}));
  save(dataFolder, "riviol.bmp", rivets({120.0, 70.0, 170.0}));
  save(dataFolder, "vert.bmp", softTexture({75.0, 150.0, 85.0}, 7));
  save(dataFolder, "vertmar.bmp", greenMarble());
  save(dataFolder, "violet.bmp", softTexture({105.0, 55.0, 155.0}, 8));
}

}  // namespace vorlane::mkdata
