#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace vorlane {

void waitMilliseconds(double milliseconds) {
  if (milliseconds <= 0) return;
  auto deadline = std::chrono::steady_clock::now() +
                  std::chrono::duration<double, std::milli>(milliseconds);
  std::this_thread::sleep_until(deadline);
}

}  // namespace vorlane
