#!/usr/bin/env bash
# Start-up benchmark, not a test: how long the game takes to map its main window under
# Xvfb against a bare Qt 6 window on the same display, and the game's resident memory
# once it has settled. The bare window, the game with the background hidden and the game
# with the background window shown start RUNS times each, in turn; medians are reported.
#
#   bench/startup.sh [RUNS] [APP_FOLDER]      (RUNS: 21 rounds by default, about 70 s)
#
# APP_FOLDER defaults to build/dist/Vorlane (another build's folder compares versions).
# Needs Xvfb and the build's bench_mapwatch and bench_barewindow. On a busy machine, run it
# as root under "chrt -f 40" so that other work does not stretch the figures.
set -euo pipefail

# A player's desktop has a session bus, which a Qt window's accessibility reaches at start:
# both programs get one of their own, never the autolaunched bus of a bare X display.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
  exec dbus-run-session -- "$0" "$@"
fi

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${VORLANE_BUILD_DIR:-$ROOT/build}"
RUNS="${1:-21}"
APP="${2:-$BUILD/dist/Vorlane}"
WATCH="$BUILD/bench/bench_mapwatch"
BARE="$BUILD/bench/bench_barewindow"

for tool in "$WATCH" "$BARE" "$APP/Vorlane"; do
  [ -x "$tool" ] || { echo "missing $tool: build the project first" >&2; exit 2; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 2; }

WORK="$(mktemp -d)"
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# Two writable copies of the application folder that have had their first start (no
# welcome): one with the background window hidden, one with it shown.
# Settings record 30 (bytes 120..123): the first start has welcomed the player.
# Settings record 5 (bytes 20..23): the background window shown (1) or hidden (0).
prepare_copy() {
  cp -r "$APP" "$WORK/$1"
  local data="$WORK/$1/Zari666"
  cp "$data/Nsco.666" "$data/Prefint.666"
  printf '\x01\x00\x00\x00' | dd of="$data/Prefint.666" bs=1 seek=120 conv=notrunc status=none
  printf "\\x0$2\\x00\\x00\\x00" | dd of="$data/Prefint.666" bs=1 seek=20 conv=notrunc status=none
}
prepare_copy hidden 0
prepare_copy shown 1

# Xvfb picks a free display and writes its number on descriptor 3.
mkfifo "$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
read -r -t 10 DISPLAY_NUMBER <"$WORK/display"
export DISPLAY=":$DISPLAY_NUMBER" QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
field() { sed -n "s/.*$1=\([-0-9.]*\).*/\1/p"; }

# Each round starts the bare window, then the game with the background hidden, then with it
# shown: the machine's slower and faster stretches fall on all three alike.
bare_ms=() hidden_ms=() hidden_kb=() shown_ms=() shown_kb=()
for _ in $(seq "$RUNS"); do
  bare_ms+=("$("$WATCH" Bare 300 "$BARE" | field map_ms)")
  out="$("$WATCH" Vorlane 1500 "$WORK/hidden/Vorlane")"
  hidden_ms+=("$(echo "$out" | field map_ms)")
  hidden_kb+=("$(echo "$out" | field rss_kb)")
  out="$("$WATCH" Vorlane 1500 "$WORK/shown/Vorlane")"
  shown_ms+=("$(echo "$out" | field map_ms)")
  shown_kb+=("$(echo "$out" | field rss_kb)")
done
bare="$(printf '%s\n' "${bare_ms[@]}" | median)"

report() {
  local label="$1" game kb
  game="$(printf '%s\n' "${!2}" | median)"
  kb="$(printf '%s\n' "${!3}" | median)"
  awk -v l="$label" -v b="$bare" -v g="$game" -v k="$kb" -v n="$RUNS" 'BEGIN {
    printf "%-22s game %6.1f ms, bare Qt window %6.1f ms, ratio %.2fx, game resident %.1f MB (median of %d)\n",
           l, g, b, g / b, k / 1024, n }'
}
report "background hidden:" "hidden_ms[@]" "hidden_kb[@]"
report "background shown:" "shown_ms[@]" "shown_kb[@]"
