#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang and runs each for the given
# number of seconds (default 20) from its seed corpus in tests/fuzz/corpus. New inputs go to
# the build folder, never into the repository; a crash stops the script with the target's
# report and the input that made it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORLANE_FUZZ_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${1:-20}"
TARGETS=(FuzzWordFiles FuzzDefinitions FuzzSettingsFiles FuzzDataFolder FuzzHelpFile)

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORLANE_FUZZ=ON -DVORLANE_BUILD_DATA=OFF
cmake --build "$BUILD_DIR" -j "$(nproc)" --target "${TARGETS[@]}"

export ASAN_OPTIONS="detect_leaks=0"
export QT_QPA_PLATFORM=offscreen
passed=0
for target in "${TARGETS[@]}"; do
  corpus="$BUILD_DIR/corpus/$target"
  mkdir -p "$corpus" "$BUILD_DIR/crashes"
  echo "== $target, $SECONDS_EACH s"
  "$BUILD_DIR/tests/fuzz/$target" -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
    -artifact_prefix="$BUILD_DIR/crashes/$target-" "$corpus" "$ROOT/tests/fuzz/corpus/$target"
  passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
