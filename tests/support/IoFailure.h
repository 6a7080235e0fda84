#pragma once

#include <string>

#include "data/IoError.h"
#include "data/TextCodec.h"

namespace vorlane::test {

// The text of the IoError `action` throws, in UTF-8; "" when it throws none.
template <typename Action>
std::string ioFailure(Action action) {
  try {
    action();
  } catch (const IoError& error) {
    return win1252ToUtf8(error.what());
  }
  return "";
}

}  // namespace vorlane::test
