#pragma once

namespace vorlane {

// `waitMilliseconds`: a blocking pause; no event is processed meanwhile, painting and
// input included.
void waitMilliseconds(double milliseconds);

}  // namespace vorlane
