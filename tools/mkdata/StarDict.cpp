#include "StarDict.h"

#include <zlib.h>

#include <fstream>
#include <sstream>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace fs = std::filesystem;

namespace vorlane::mkdata {
namespace {

[[noreturn]] void fail(const fs::path& file, const char* what) {
  throw IoError(file, toWin1252(what) + " : " + file.string());
}

std::string readWholeFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) fail(file, "Fichier introuvable");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string readGzipFile(const fs::path& file) {
  gzFile gz = gzopen(file.c_str(), "rb");
  if (gz == nullptr) fail(file, "Fichier introuvable");
  std::string out;
  std::string chunk(1 << 20, '\0');
  int got = 0;
  while ((got = gzread(gz, chunk.data(), static_cast<unsigned>(chunk.size()))) > 0) {
    out.append(chunk.data(), static_cast<std::size_t>(got));
  }
  int error = Z_OK;
  gzerror(gz, &error);
  gzclose(gz);
  if (got < 0 || (error != Z_OK && error != Z_STREAM_END)) fail(file, "Fichier endommagé");
  return out;
}

std::uint32_t bigEndian32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
  }
  return value;
}

}  // namespace

StarDict::StarDict(const fs::path& base) {
  fs::path indexFile = base;
  indexFile += ".idx";
  fs::path dictFile = base;
  dictFile += ".dict.dz";
  parseIndex(readWholeFile(indexFile), indexFile);
  articles_ = readGzipFile(dictFile);
}

StarDict::StarDict(std::string_view indexBytes, std::string articles)
    : articles_(std::move(articles)) {
  parseIndex(indexBytes, "index");
}

void StarDict::parseIndex(std::string_view bytes, const fs::path& file) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t end = bytes.find('\0', at);
    if (end == std::string_view::npos || end + 9 > bytes.size()) fail(file, "Fichier endommagé");
    index_.push_back({std::string(bytes.substr(at, end - at)), bigEndian32(bytes, end + 1),
                      bigEndian32(bytes, end + 5)});
    at = end + 9;
  }
}

std::string_view StarDict::article(const IndexEntry& entry) const {
  if (entry.offset > articles_.size() || entry.size > articles_.size() - entry.offset) return {};
  return std::string_view(articles_).substr(entry.offset, entry.size);
}

}  // namespace vorlane::mkdata
