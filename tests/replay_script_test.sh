#!/usr/bin/env bash
# The high score of a scripted run and its replay (tests/scripts/replay_row.txt)
# in a fresh per-user folder: the game ends with status 0, the score file
# 001.001 has its header, end event and trailer in the score-file format,
# the game's log shows the replay reached its end, and prismel-sim plays the
# same file headless to its end.
# Usage: replay_script_test.sh GAME SIM
set -euo pipefail
game=$1
sim=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_DATA_HOME=$home "$game" --log "$home/log.rtf" --script tests/scripts/replay_row.txt
score=$home/Prismel/Scores/001.001
[ -f "$score" ] || { echo "no score file 001.001"; ls -R "$home/Prismel"; exit 1; }
text=$(cat "$score")
[ "$(wc -l < "$score")" -eq 0 ] || { echo "the score file has a line break"; exit 1; }
n='-?[0-9]+\.[0-9]{6}'
header="^1\.03 alice ($n) 0\.000 4 [0-8] "
trailer=" ($n) 6 ($n ){5}5 106 ($n ){5}$n\$"
[[ $text =~ $header ]] || { echo "bad header: ${text:0:80}"; exit 1; }
time=${BASH_REMATCH[1]}
[[ $text =~ $trailer ]] || { echo "bad end event or trailer: ${text: -200}"; exit 1; }
[ "${BASH_REMATCH[1]}" = "$time" ] || { echo "end event ${BASH_REMATCH[1]} is not the header's time $time"; exit 1; }
grep -q "the replay of alice reached its end" "$home/log.rtf" || { echo "the replay did not reach its end:"; cat "$home/log.rtf"; exit 1; }
"$sim" replay "$score"

# The same file given on the command line plays at once and ends in the menu.
XDG_DATA_HOME=$home "$game" --log "$home/log2.rtf" --replay "$score" --script tests/scripts/replay_file.txt
grep -q "the replay of alice reached its end" "$home/log2.rtf" || { echo "--replay did not reach its end"; exit 1; }

# Files that are not whole score files: a clear error, never a crash.
printf 'hello world\n' > "$home/001.002"
head -c 300 "$score" > "$home/001.003"
for bad in "$home/001.002" "$home/001.003" "$home/Prismel/config.dat"; do
  set +e
  out=$("$sim" replay "$bad" 2>&1)
  status=$?
  set -e
  [ "$status" -eq 1 ] || { echo "prismel-sim replay $bad: status $status"; echo "$out"; exit 1; }
  echo "$out" | tail -2
done
set +e
XDG_DATA_HOME=$home "$game" --replay "$home/001.002" 2> "$home/err.txt"
status=$?
set -e
[ "$status" -eq 2 ] && grep -q "cannot play" "$home/err.txt" || { echo "prismel --replay of a bad file: $status"; cat "$home/err.txt"; exit 1; }

# The service is down (nothing listens at PRISMEL_SERVICE): the new score's
# upload fails with its log line, and the game went on regardless.
grep -q "High score upload failed \[Level 1\]\[alice\]\[" "$home/log.rtf" || { echo "no upload failure logged"; exit 1; }
