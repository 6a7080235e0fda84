#pragma once

#include <string>
#include <vector>

namespace vorlane {

// Starts a program on its own, with an argument list and never through a shell; the game
// does not wait for it. Texts are UTF-8. A program without a folder is looked for on PATH.
class ProcessStarter {
 public:
  virtual ~ProcessStarter() = default;
  // False when the program could not be started.
  virtual bool startDetached(const std::string& program,
                             const std::vector<std::string>& arguments) = 0;
};

}  // namespace vorlane
