#pragma once

#include <cstddef>
#include <filesystem>
#include <iterator>

namespace vorlane::test {

// How many file descriptors this process holds: a file that was opened and is done with,
// failed or not, is closed again.
inline std::ptrdiff_t openDescriptors() {
  namespace fs = std::filesystem;
  return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{});
}

}  // namespace vorlane::test
