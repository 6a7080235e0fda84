#pragma once

#include <functional>

namespace vorlane {

class IoError;

// The input/output error report: one French box naming the file; the current operation
// has ended and the event loop goes on. Tests replace the box with their own reporter
// (an empty function puts the box back).
void reportIoError(const IoError& error);
void setIoErrorReporter(std::function<void(const IoError&)> reporter);

}  // namespace vorlane
