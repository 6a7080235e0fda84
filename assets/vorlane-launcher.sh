#!/bin/sh
# vorlane: the game's launcher in /usr/games. Once the installer has given the player a
# copy of their own, the menu and this command start that copy, which keeps the player's
# preferences and scores; until then they start the system's read-only copy, which offers
# the installer.
#
# The player's copy is, in this order:
#  - the program of the player's "Vorlane" menu group (its first item, written by the copy
#    that built the group, wherever the player installed it);
#  - Vorlane/Vorlane in the home folder, where the installer puts it by default.
# A candidate counts only when it is an executable file named Vorlane with its data folder
# Zari666 beside it, outside /usr (a system copy is never the player's).
set -e

here=$(dirname "$(readlink -f "$0")")
system_copy="$here/../lib/games/vorlane/Vorlane"

is_player_copy() {
  case $1 in
    /usr/*|'') return 1 ;;
  esac
  [ "$(basename "$1")" = Vorlane ] && [ -f "$1" ] && [ -x "$1" ] &&
    [ -d "$(dirname "$1")/Zari666" ]
}

# The program of the group's first item: its Exec line, a plain path (the game quotes a
# path holding a blank or a sign the desktop reserves; such a copy is found below only
# when it is the home folder's).
group_copy() {
  item="${XDG_DATA_HOME:-$HOME/.local/share}/applications/vorlane-vorlane-1.desktop"
  [ -f "$item" ] || return 0
  sed -n 's/^Exec=\([^ "\\]*\)$/\1/p' "$item" | head -n 1
}

if [ -n "$HOME" ]; then
  for candidate in "$(group_copy)" "$HOME/Vorlane/Vorlane"; do
    if is_player_copy "$candidate"; then
      exec "$candidate" "$@"
    fi
  done
fi
exec "$system_copy" "$@"
