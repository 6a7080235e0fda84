#include "FileBytes.h"

#include "data/RecordFile.h"

namespace vorlane::mkdata {

void writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  // The whole file is one record; an empty text still creates an empty file.
  RecordFile file(path, bytes.size(), RecordFile::Mode::Create);
  if (!bytes.empty()) file.write(0, bytes);
}

}  // namespace vorlane::mkdata
