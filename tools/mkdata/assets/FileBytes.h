#pragma once

#include <filesystem>
#include <string_view>

namespace vorlane::mkdata {

// Creates or overwrites `path` with exactly `bytes`; throws IoError on failure.
void writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vorlane::mkdata
