#!/usr/bin/env bash
# The whole test suite built with the address and undefined-behaviour sanitizers, in its own
# build folder. The monkey test plays on the data set that the ordinary build wrote
# (./test), so this build leaves the data set out.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORLANE_ASAN_DIR:-$ROOT/build-asan}"
DATA_SET="${VORLANE_BUILD_DIR:-$ROOT/build}/dist/Vorlane/Zari666"

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE=ON \
  -DVORLANE_BUILD_DATA=OFF -DVORLANE_DATA_SET="$DATA_SET"
cmake --build "$BUILD_DIR" -j "$(nproc)"
cd "$BUILD_DIR"
# Qt keeps some allocations until the process ends: leaks are not what this pass looks for.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
