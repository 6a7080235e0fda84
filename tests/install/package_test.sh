#!/usr/bin/env bash
# The Debian package: built twice from the build folder (one sha256), checked by lintian
# (pedantic) and appstreamcli, its program checked for Debian's hardening, unpacked into a
# temporary root and played from temporary homes under a minimal font configuration: the
# system copy runs read-only and offers its installer, "Installer" puts the player's copy
# into the home folder, and that copy starts with "ins", or with "insrac" and builds the
# desktop menu group when the shortcut box stays checked; the launcher then starts the
# player's copy.
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

for tool in cpack lintian dpkg-deb appstreamcli readelf sha256sum fc-match; do
  command -v "$tool" >/dev/null || fail "$tool manque (scripts/setup.sh l'installe)"
done

# Reproducible: two runs of cpack on one build give the same bytes, every date in them the
# last commit's. The date is taken once, as the package's configuration takes it, so that a
# commit landing between the two runs changes neither.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct)
  export SOURCE_DATE_EPOCH
fi
for run in out out2; do
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/$run" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
done
deb=$(ls "$work"/out/vorlane_*.deb)
sums=$(sha256sum "$deb" "$work"/out2/vorlane_*.deb | cut -d' ' -f1 | sort -u)
[ "$(echo "$sums" | wc -l)" = 1 ] || fail "deux constructions du paquet diffèrent : $sums"
echo "sha256 des deux constructions : $sums"
dates=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4 " " $5}' | sort -u)
[ "$dates" = "$(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T')" ] || fail "dates du paquet : $dates"
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Section|Depends|Recommends):'
[[ $(dpkg-deb -f "$deb" Depends) == *qt6-translations-l10n* ]] || fail "dépendance aux traductions de Qt"

# The game's code is compiled with fortified calls (dpkg-buildflags' -D_FORTIFY_SOURCE=2)
# and its program linked with relro and bind now.
# One source of each: the core, the shell, the program (compile_commands.json, whatever the
# generator).
for source in src/data/DataFolder.cpp src/game/TForm1.cpp src/app/main.cpp; do
  flags=$(grep -F -- "-c $source_dir/$source\"" "$build/compile_commands.json" || true)
  for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Werror=format-security; do
    [[ $flags == *" $flag "* ]] || fail "$source compilé sans $flag"
  done
done

# Debian's own standard: no lintian tag, even pedantic or informational. Lintian guesses the
# fortified calls from the program's symbols: a program whose every call the compiler could
# check at compile time has no __*_chk symbol, and is told "hardening-no-fortify-functions"
# although it was built fortified (checked above); that one tag is allowed.
lintian --allow-root -I --pedantic "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -E '^[EWIPX]: ' "$work/lintian.txt" | grep -v ': hardening-no-fortify-functions ' ||
  fail "lintian signale des étiquettes"

dpkg-deb -x "$deb" "$work/root"
app="$work/root/usr/lib/games/vorlane"
share="$work/root/usr/share/games/vorlane"
for file in usr/games/vorlane usr/lib/games/vorlane/Vorlane usr/lib/games/vorlane/vorlane-sound.so \
    usr/share/games/vorlane/vorlane.hlp usr/share/games/vorlane/Cerf.hlp \
    usr/share/games/vorlane/Zari666/Azl.666 usr/share/games/vorlane/Zari666/Nsco.666 \
    usr/share/applications/org.example.vorlane.desktop \
    usr/share/icons/hicolor/scalable/apps/vorlane.svg \
    usr/share/metainfo/org.example.vorlane.metainfo.xml usr/share/man/man6/vorlane.6.gz \
    usr/share/doc/vorlane/copyright usr/share/doc/vorlane/changelog.gz \
    usr/share/doc/vorlane/Lisezmoi.txt; do
  [ -e "$work/root/$file" ] || fail "$file manque dans le paquet"
done
# The program's folder reaches what does not depend on the machine through links.
for name in Zari666 vorlane.hlp Cerf.hlp; do
  [ "$(readlink "$app/$name")" = "../../../share/games/vorlane/$name" ] || fail "lien $name"
done
[ "$(readlink "$app/Lisezmoi.txt")" = "../../../share/doc/vorlane/Lisezmoi.txt" ] ||
  fail "lien Lisezmoi.txt"
# The program and its sound module depend on the machine: they are the folder's own files.
for name in Vorlane vorlane-sound.so; do
  [ -f "$app/$name" ] && [ ! -L "$app/$name" ] || fail "$name n'est pas un fichier du dossier"
done
[ "$(ls "$app" | wc -l)" = 6 ] || fail "dossier du programme : $(ls "$app")"
[ "$(head -n 1 "$work/root/usr/games/vorlane")" = "#!/bin/sh" ] &&
  [ -x "$work/root/usr/games/vorlane" ] || fail "le lanceur n'est pas un script"
for player_file in Prefint.666 stx.666 color.ini Demarre.666; do
  [ ! -e "$share/Zari666/$player_file" ] || fail "le paquet contient $player_file"
done
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.example.vorlane.metainfo.xml"
grep -q '<launchable type="desktop-id">org.example.vorlane.desktop</launchable>' \
  "$work/root/usr/share/metainfo/org.example.vorlane.metainfo.xml" || fail "identifiant AppStream"

# Hardening, as dpkg-buildflags asks for it, and the compiler's notes stripped.
program="$app/Vorlane"
# Read whole before the checks: grep -q ends early, which pipefail would count as a failure.
header=$(readelf -hW "$program")
segments=$(readelf -lW "$program")
dynamic=$(readelf -dW "$program")
symbols=$(readelf --dyn-syms -W "$program")
sections=$(readelf -SW "$program")
grep -Eq 'Type: +DYN' <<<"$header" || fail "programme non PIE"
grep -q GNU_RELRO <<<"$segments" || fail "programme sans relro"
grep -Eq 'BIND_NOW|FLAGS.* NOW' <<<"$dynamic" || fail "programme sans -z now"
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "programme sans protection de pile"
! grep -q ' \.comment ' <<<"$sections" || fail "section .comment"
# No library search path of its own, in the package nor in the built folder that the
# installer copies: an empty entry would load a library from the folder the game starts in.
for elf in "$program" "$app/vorlane-sound.so" "$build/dist/Vorlane/Vorlane" \
  "$build/dist/Vorlane/vorlane-sound.so"; do
  elf_dynamic=$(readelf -dW "$elf")
  ! grep -Eq '\((RPATH|RUNPATH)\)' <<<"$elf_dynamic" || fail "$elf a un chemin de bibliothèques"
done
echo "durcissement : appels vérifiés à l'exécution :$(grep -Eo ' __[a-z0-9_]+_chk@' <<<"$symbols" | sort -u | tr -d '@\n')"

# A system with only the package's fonts: fontconfig's own configuration and
# fonts-liberation2, where "sans-serif" is Liberation Mono.
fonts="$work/fonts"
mkdir -p "$fonts/conf.d"
dpkg -L fontconfig-config | grep '^/etc/fonts/conf\.d/.*\.conf$' |
  xargs -I{} ln -s {} "$fonts/conf.d/"
printf '%s\n' '<?xml version="1.0"?>' '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">' \
  '<fontconfig>' '  <dir>/usr/share/fonts/truetype/liberation2</dir>' \
  "  <cachedir>$fonts/cache</cachedir>" "  <include>$fonts/conf.d</include>" '</fontconfig>' \
  >"$fonts/fonts.conf"
export FONTCONFIG_FILE="$fonts/fonts.conf"
echo "polices : sans-serif = $(fc-match -f '%{family}' sans-serif), Arial = $(fc-match -f '%{family}' Arial)"
for licence in GPL-2+ MPL-2.0 ODC-BY-1.0 LGPL-2.1+ Expat; do
  grep -q "^License: $licence\$" "$work/root/usr/share/doc/vorlane/copyright" || fail "licence $licence"
done

# Plays the unpacked game from the fresh home folder $1, the installer's shortcut box as
# $2 leaves it ("keep" or "uncheck"); the report goes to $1.txt.
play() {
  local home=$1 report=$1.txt
  mkdir "$home"
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$harness" \
    FONTCONFIG_FILE="$FONTCONFIG_FILE" \
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
  expect_line "$report" "program: $app/Vorlane"
  expect_line "$report" "mode: read-only"
  expect_line "$report" "font: Liberation Sans"
  expect_line "$report" "page: Bienvenue !"
  expect_line "$report" "page: Installation dans"
  expect_line "$report" "folder: $home/"
  expect_line "$report" "working folder: $home/Vorlane"
  expect_line "$report" "mode: normal"
  expect_line "$report" "message: L'installation est terminée. Bienvenue dans Vorlane version 1.3. Bon jeu !"
  expect_line "$report" "program: $home/Vorlane/Vorlane"
  [ -x "$home/Vorlane/Vorlane" ] || fail "la copie du joueur manque"
  # A complete application folder of real files, not links into the system's.
  [ -d "$home/Vorlane/Zari666" ] && [ ! -L "$home/Vorlane/Zari666" ] ||
    fail "copie du joueur : Zari666 n'est pas un dossier"
  for name in Vorlane Zari666/Azl.666 Zari666/Nsco.666 vorlane.hlp Cerf.hlp Lisezmoi.txt; do
    [ -f "$home/Vorlane/$name" ] && [ ! -L "$home/Vorlane/$name" ] ||
      fail "copie du joueur : $name"
    cmp -s "$app/$name" "$home/Vorlane/$name" || fail "copie du joueur : $name diffère"
  done
}

# Starts the launcher again from the home folder $1, into the report $2: the copy it
# starts reports itself and ends.
launch_again() {
  env -i PATH="$PATH" HOME="$1" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$harness" \
    FONTCONFIG_FILE="$FONTCONFIG_FILE" VORLANE_HARNESS_REPORT="$2" \
    timeout 90 "$work/root/usr/games/vorlane" >"$2.log" 2>&1 ||
    { cat "$2.log"; fail "le lanceur s'est mal terminé"; }
  cat "$2"
  expect_line "$2" "mode: normal"
  ! grep -q '^page: ' "$2" || fail "le lanceur offre encore l'installation"
}

play "$work/home" uncheck
expect_line "$work/home.txt" "arguments: ins"
[ ! -e "$work/home/.local/share/applications/vorlane-vorlane-1.desktop" ] || fail "groupe de menu"
# Once the player has a copy, the launcher starts it, not the system's.
launch_again "$work/home" "$work/home-again.txt"
expect_line "$work/home-again.txt" "program: $work/home/Vorlane/Vorlane"

# With the box checked, the installed copy builds the desktop menu group in its home.
play "$work/home2" keep
expect_line "$work/home2.txt" "arguments: insrac"
grep -qxF "Exec=$work/home2/Vorlane/Vorlane" \
  "$work/home2/.local/share/applications/vorlane-vorlane-1.desktop" || fail "groupe de menu"
[ -e "$work/home2/.config/menus/applications-merged/vorlane-vorlane.menu" ] || fail "sous-menu"
grep -qxF "Name=Vorlane" "$work/home2/.local/share/applications/vorlane-vorlane-1.desktop" ||
  fail "l'entrée du jeu s'appelle Vorlane"
grep -qxF "Icon=vorlane" "$work/home2/.local/share/applications/vorlane-vorlane-3.desktop" ||
  fail "icône des entrées"
# A copy the player moved elsewhere, as the group's game item names it, comes first.
mkdir "$work/home2/Jeux"
mv "$work/home2/Vorlane" "$work/home2/Jeux/Vorlane"
sed -i "s|^Exec=.*|Exec=$work/home2/Jeux/Vorlane/Vorlane|" \
  "$work/home2/.local/share/applications/vorlane-vorlane-1.desktop"
launch_again "$work/home2" "$work/home2-again.txt"
expect_line "$work/home2-again.txt" "program: $work/home2/Jeux/Vorlane/Vorlane"

[ ! -e "$share/Zari666/Prefint.666" ] || fail "le jeu a écrit dans le dossier du système"
echo "Paquet : $(basename "$deb"), $(dpkg-deb -c "$deb" | wc -l) entrées"
