#!/usr/bin/env bash
# The Debian package: built from the build folder, checked by lintian and appstreamcli,
# unpacked into a temporary root and played from temporary homes: the system copy runs
# read-only and offers its installer, "Installer" puts the player's copy into the home
# folder, and that copy starts with "ins", or with "insrac" and builds the desktop menu
# group when the shortcut box stays checked.
# Usage: package_test.sh BUILD_DIR HARNESS_LIBRARY
set -euo pipefail
build=$1
harness=$(realpath "$2")
work=$(mktemp -d)
# The installed copy runs detached: it is ended by its process id if it outlives the test.
cleanup() {
  local pid
  for pid in $(cat "$work"/home*.txt 2>/dev/null | sed -n 's/^pid: //p'); do
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "ÉCHEC : $*" >&2; exit 1; }
expect_line() { grep -qxF -- "$2" "$1" || fail "ligne attendue « $2 » dans $1"; }

for tool in cpack lintian dpkg-deb appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool manque (scripts/setup.sh l'installe)"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/vorlane_*.deb)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Section|Depends):'

lintian --allow-root "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -q '^E:' "$work/lintian.txt" || fail "lintian signale des erreurs"

dpkg-deb -x "$deb" "$work/root"
app="$work/root/usr/lib/games/vorlane"
for file in usr/games/vorlane usr/lib/games/vorlane/Vorlane usr/lib/games/vorlane/vorlane.hlp \
    usr/lib/games/vorlane/Zari666/Azl.666 usr/lib/games/vorlane/Zari666/Nsco.666 \
    usr/share/applications/vorlane.desktop usr/share/icons/hicolor/scalable/apps/vorlane.svg \
    usr/share/metainfo/org.example.vorlane.metainfo.xml usr/share/man/man6/vorlane.6.gz \
    usr/share/doc/vorlane/copyright usr/share/doc/vorlane/changelog.gz; do
  [ -e "$work/root/$file" ] || fail "$file manque dans le paquet"
done
[ "$(readlink "$work/root/usr/games/vorlane")" = "../lib/games/vorlane/Vorlane" ] || fail "lanceur"
for player_file in Prefint.666 stx.666 color.ini Demarre.666; do
  [ ! -e "$app/Zari666/$player_file" ] || fail "le paquet contient $player_file"
done
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.vorlane.metainfo.xml"
for licence in GPL-2+ MPL-2.0 ODC-BY-1.0 LGPL-2.1+ Expat; do
  grep -q "^License: $licence\$" "$work/root/usr/share/doc/vorlane/copyright" || fail "licence $licence"
done

# Plays the unpacked game from the fresh home folder $1, the installer's shortcut box as
# $2 leaves it ("keep" or "uncheck"); the report goes to $1.txt.
play() {
  local home=$1 report=$1.txt
  mkdir "$home"
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$harness" \
    VORLANE_HARNESS_REPORT="$report" VORLANE_HARNESS_SHORTCUT="$2" \
    timeout 90 "$work/root/usr/games/vorlane" >"$home.log" 2>&1 ||
    { cat "$home.log"; fail "le jeu du paquet s'est mal terminé"; }
  # The installed copy was started detached: wait for its report.
  for _ in $(seq 1 300); do
    grep -q '^mode: normal' "$report" 2>/dev/null && break
    sleep 0.2
  done
  cat "$report"
  expect_line "$report" "arguments: "
  expect_line "$report" "mode: read-only"
  expect_line "$report" "page: Bienvenue !"
  expect_line "$report" "page: Installation dans"
  expect_line "$report" "folder: $home/"
  expect_line "$report" "working folder: $home/Vorlane"
  expect_line "$report" "mode: normal"
  expect_line "$report" "message: L'installation est terminée. Bienvenue dans Vorlane version 1.3. Bon jeu !"
  [ -x "$home/Vorlane/Vorlane" ] || fail "la copie du joueur manque"
  cmp -s "$app/Zari666/Azl.666" "$home/Vorlane/Zari666/Azl.666" || fail "liste de mots copiée"
}

play "$work/home" uncheck
expect_line "$work/home.txt" "arguments: ins"
[ ! -e "$work/home/.local/share/applications/vorlane-vorlane-1.desktop" ] || fail "groupe de menu"

# With the box checked, the installed copy builds the desktop menu group in its home.
play "$work/home2" keep
expect_line "$work/home2.txt" "arguments: insrac"
grep -qxF "Exec=$work/home2/Vorlane/Vorlane" \
  "$work/home2/.local/share/applications/vorlane-vorlane-1.desktop" || fail "groupe de menu"
[ -e "$work/home2/.config/menus/applications-merged/vorlane-vorlane.menu" ] || fail "sous-menu"

[ ! -e "$app/Zari666/Prefint.666" ] || fail "le jeu a écrit dans le dossier du système"
echo "Paquet : $(basename "$deb"), $(dpkg-deb -c "$deb" | wc -l) entrées"
