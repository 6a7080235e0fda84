#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "data/RecordFile.h"

// Failures injected into the record-file layer: the n-th write, flush or rename of the
// disk fails with an error number, or the program ends there as if killed.
namespace vorlane::test {

class FileFaults {
 public:
  FileFaults() {
    setFileFaultHook([this](FileStep, const std::filesystem::path&) {
      ++steps_;
      if (steps_ != failAt_ && !(everyOneAfter_ && failAt_ > 0 && steps_ > failAt_)) return 0;
      if (kill_) ::_exit(kKilled);
      return error_;
    });
  }
  ~FileFaults() { setFileFaultHook({}); }
  FileFaults(const FileFaults&) = delete;
  FileFaults& operator=(const FileFaults&) = delete;

  // The n-th step from now fails with `error` (0: none fails).
  void failAt(int n, int error) {
    steps_ = 0;
    failAt_ = n;
    error_ = error;
    kill_ = false;
    everyOneAfter_ = false;
  }
  // The n-th step from now and every one after fail with `error`: a full disk.
  void failFrom(int n, int error) {
    failAt(n, error);
    everyOneAfter_ = true;
  }
  // The n-th step from now ends the program before it reaches the disk.
  void killAt(int n) {
    failAt(n, 0);
    kill_ = true;
  }
  // Steps counted since the last failAt or killAt.
  int steps() const { return steps_; }

  static constexpr int kKilled = 137;

 private:
  int steps_ = 0;
  int failAt_ = 0;
  int error_ = 0;
  bool kill_ = false;
  bool everyOneAfter_ = false;
};

// Runs `work` in a child process, as another copy of the game; returns its exit code
// (FileFaults::kKilled when it was killed at an injected step, 0 when `work` ends).
inline int inChildProcess(const std::function<void()>& work) {
  const pid_t child = ::fork();
  if (child == 0) {
    try {
      work();
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace vorlane::test
