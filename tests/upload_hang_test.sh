#!/usr/bin/env bash
# A new high score while the web service accepts connections and never
# answers: the game plays on (the scripted replay runs to its end while the
# upload waits), and quitting cuts the upload short: the program is gone
# within a second of its last frame, with status 0.
# Usage: upload_hang_test.sh GAME HANG_SERVER
set -euo pipefail
game=$1
hang=$2
home=$(mktemp -d)
coproc STUCK { exec "$hang"; }
trap 'kill $STUCK_PID 2>/dev/null; rm -rf "$home"' EXIT
read -r port <&"${STUCK[0]}"
XDG_DATA_HOME=$home "$game" --service "http://127.0.0.1:$port" --log "$home/log.rtf" \
  --script tests/scripts/replay_row.txt | while IFS= read -r line; do
  echo "$(date +%s.%N) $line"
done > "$home/out.txt"
end=$(date +%s.%N)
cat "$home/out.txt"
grep -q "Created thread" "$home/log.rtf" || { echo "no upload started"; exit 1; }
grep -q "the replay of alice reached its end" "$home/log.rtf" || { echo "the game did not play on"; exit 1; }
last=$(grep "script: settings" "$home/out.txt" | cut -d' ' -f1)
awk -v a="$last" -v b="$end" 'BEGIN { d = b - a; printf "exit took %.3f s after the last frame\n", d; exit !(d < 1.0) }'
ls "$home/Prismel/Data" | grep -q '^001_.*alice\.tmp$' && { echo "the upload copy was left behind"; exit 1; }
exit 0
