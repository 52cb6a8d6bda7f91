#!/usr/bin/env bash
# F12 saves the frame as a PNG of the window's size in $XDG_PICTURES_DIR/
# Prismel; F11 goes fullscreen at the desktop's size (1280 x 1024 here), and
# the next screenshot has that size.
# Usage: window_keys_test.sh GAME
set -euo pipefail
game=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_DATA_HOME=$home XDG_PICTURES_DIR=$home/pictures "$game" --log "$home/log.rtf" --script tests/scripts/window_keys.txt
size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
shots=("$home"/pictures/Prismel/prismel_*.png)
[ ${#shots[@]} -eq 2 ] || { echo "expected two screenshots, found: ${shots[*]}"; exit 1; }
window=$(grep -o 'window=\[[0-9]*x[0-9]*\]' "$home/log.rtf" | head -1 | tr -d 'window=[]')
[ "$(size "${shots[0]}")" = "$window" ] || { echo "first screenshot $(size "${shots[0]}"), window $window"; exit 1; }
[ "$(size "${shots[1]}")" = "1280x1024" ] || { echo "fullscreen screenshot $(size "${shots[1]}")"; exit 1; }
echo "screenshots: $window, then 1280x1024"
