#!/usr/bin/env bash
# Shared by ./run and ./test: install what is missing, configure and build. Arguments are
# passed to the build (./run builds only the game and its data: --target ...).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${VORLANE_BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfontconfig-dev fonts-liberation2 xvfb qt6-translations-l10n
  openbox xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi
  stardict-xmlittre hunspell-fr-comprehensive mythes-fr libhunspell-dev zlib1g-dev
  nodejs
  desktop-file-utils python3-xdg
  dpkg-dev file lintian appstream fontconfig binutils
  clang libclang-rt-14-dev
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if ! command -v npm >/dev/null 2>&1; then missing+=(npm); fi
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installation des paquets : ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build "$BUILD_DIR" -j "$(nproc)" "$@"
}

install_missing
build "$@"
