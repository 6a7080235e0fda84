#include "platform/Network.h"

#include <fstream>
#include <string>

namespace vorlane {

bool modemPresent(const std::filesystem::path& interfaces) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(interfaces, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->path().filename() == "lo") continue;
    std::ifstream state(it->path() / "operstate");
    std::string value;
    if (state >> value && value == "up") return true;
  }
  return false;
}

}  // namespace vorlane
