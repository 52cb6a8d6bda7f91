#!/usr/bin/env bash
# The game with a per-user folder it cannot use, played through the first
# run (tests/scripts/first_run.txt): it still starts, plays, saves nothing
# it cannot, says so in its log and ends with status 0.
#   1. A folder that cannot be made: XDG_DATA_HOME lies under a file.
#   2. A full disk: every file the game writes first (config.dat.tmp, the
#      replay work files) leads to /dev/full. The config.dat and the score
#      file already there must come through unchanged and whole.
#   3. Parts missing: the score folder is a file.
# Usage: user_folder_faults_test.sh GAME SEED_SCORE_FILE
set -uo pipefail
game=$1
seed_score=$2
work=$(mktemp -d /tmp/prismel-faults-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; [[ -f $log ]] && tr '\\' '\n' < "$log" | grep -iE "fail|could not" | head -20; exit 1; }
run() {  # run HOME CASE
  log=$work/$2.rtf
  XDG_DATA_HOME=$1 "$game" --log "$log" --script tests/scripts/first_run.txt > "$work/$2.out" 2>&1 ||
    { cat "$work/$2.out"; fail "$2: the game did not finish its run"; }
  grep -q "script: done" "$work/$2.out" || fail "$2: no report"
}

# 1. No folder can be made.
touch "$work/a_file"
run "$work/a_file/data" unwritable
grep -q "Config_Save() :: failed" "$log" || fail "unwritable: the failed settings save is not logged"

# 2. A full disk.
home=$work/full
mkdir -p "$home/Prismel/Data" "$home/Prismel/Scores"
printf '1.03\n\nCameraView\t\t\t0\nColorBlindSymbols\t0\nLevel\t\t\t\t0\nMusic\t\t\t\t0\nSound\t\t\t\t0\nUploadHighScores\t0\n' \
  > "$home/Prismel/config.dat"
cp "$seed_score" "$home/Prismel/Scores/001.001"
cp "$home/Prismel/config.dat" "$work/config.before"
for f in config.dat.tmp Data/replay_1.tmp Data/replay_2.tmp.part; do ln -s /dev/full "$home/Prismel/$f"; done
run "$home" full
cmp -s "$home/Prismel/config.dat" "$work/config.before" || fail "full: config.dat changed"
cmp -s "$home/Prismel/Scores/001.001" "$seed_score" || fail "full: the stored score changed"
grep -q "Config_Save() :: failed" "$log" || fail "full: the failed settings save is not logged"

# 3. The score folder is a file.
home=$work/parts
mkdir -p "$home/Prismel"
echo "not a folder" > "$home/Prismel/Scores"
run "$home" parts
[[ "$(cat "$home/Prismel/Scores")" == "not a folder" ]] || fail "parts: the file in the way was changed"
grep -qx "Level				2" "$home/Prismel/config.dat" || fail "parts: config.dat was not written"
echo "the game played on in all three folders"
