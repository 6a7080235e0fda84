#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vorlane {

// The one exception of every file failure (what() is French, Windows-1252): missing file on a write, record past the end,
// short read, full disk. The shell's event dispatch catches it, shows one French error
// box naming the file, and the event loop goes on.
class IoError : public std::runtime_error {
 public:
  IoError(std::filesystem::path file, const std::string& what)
      : std::runtime_error(what), file_(std::move(file)) {}
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

// A path as game text: the system's UTF-8 name in Windows-1252, for an error box.
std::string pathText(const std::filesystem::path& path);

// The system's reason for error number `err`, in French (Windows-1252): what an error box
// shows after the operation that failed.
std::string systemReason(int err);

}  // namespace vorlane
