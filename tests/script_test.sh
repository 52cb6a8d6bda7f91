#!/usr/bin/env bash
# Runs the game with a script (--script) in a fresh per-user folder on the X
# server of the test; passes when the game ends with status 0 and config.dat
# holds every expected line (tabs read as one blank).
# Usage: script_test.sh GAME SCRIPT [EXPECTED_LINE...]
set -euo pipefail
game=$1
script=$2
shift 2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_DATA_HOME=$home "$game" --script "$script"
config=$(tr -s '\t' ' ' < "$home/Prismel/config.dat")
for want in "$@"; do
  grep -qxF "$want" <<<"$config" || { echo "config.dat lacks [$want]:"; echo "$config"; exit 1; }
done
