#pragma once

#include "platform/ProcessStarter.h"

namespace vorlane {

// Program start through QProcess::startDetached.
class QtProcessStarter : public ProcessStarter {
 public:
  bool startDetached(const std::string& program,
                     const std::vector<std::string>& arguments) override;
};

}  // namespace vorlane
