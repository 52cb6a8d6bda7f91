#!/usr/bin/env bash
# The menu with a real pointer: the game starts fresh on the X server of the
# test, xdotool moves the pointer and clicks two option rows and Exit as a
# player would, and the config.dat written at exit holds what was clicked.
# Usage: real_pointer_test.sh GAME
set -euo pipefail
game=$1
home=$(mktemp -d)
pid=
cleanup() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; rm -rf "$home"; }
trap cleanup EXIT

XDG_DATA_HOME=$home "$game" --log "$home/log.rtf" &
pid=$!

wait_for() {  # TEXT SECONDS: until the log holds TEXT
  for _ in $(seq $(( $2 * 10 ))); do
    grep -qF "$1" "$home/log.rtf" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "the log never said [$1]"; cat "$home/log.rtf" 2>/dev/null; return 1
}
wait_for "Update_Fade() :: screen [MENU]" 60
sleep 1.5  # the menu's fade-in

wid=$(xdotool search --name '^Prismel' | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"  # WIDTH, HEIGHT

# Overlay units (0..100, y upwards) to window pixels, as the overlay is drawn:
# a 45 degree view of the square 120 units away.
click() {
  read -r px py < <(awk -v x="$1" -v y="$2" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = 120 * 0.41421356; printf "%d %d\n", w * (1 + (x - 50) / s) / 2, h * (1 - (1 + (y - 50) / s) / 2) }')
  xdotool mousemove --window "$wid" "$px" "$py"
  sleep 0.3
  xdotool click 1
  sleep 0.3
}
click 70 59.2   # Sound
click 70 52.4   # Color Blind Symbols
click 86 16.8   # Exit

for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$pid" || status=$?
pid=
[[ $status -eq 0 ]] || { echo "the game ended with status $status"; exit 1; }
config=$(tr -s '\t' ' ' < "$home/Prismel/config.dat")
for want in "Sound 1" "ColorBlindSymbols 1" "CameraView 1" "Level 0"; do
  grep -qxF "$want" <<<"$config" || { echo "config.dat lacks [$want]:"; echo "$config"; exit 1; }
done
echo "the clicks reached config.dat"
