#!/usr/bin/env bash
# The game against its own web service: prismel-scores starts on a free
# port with a fresh database, the real game (tests/scripts/replay_row.txt)
# wins level 1 as alice and leaves the panel, which uploads the new time;
# the service checks the score file by replaying it and shows it on its
# leaderboard page.
# Usage: upload_e2e_test.sh GAME SERVICE
set -uo pipefail
game=$1
service=$2
work=$(mktemp -d /tmp/prismel-upload-XXXXXX)
pid=
trap '[[ -n $pid ]] && kill -TERM $pid 2>/dev/null && wait $pid; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  echo "--- service log"; cat "$work/service.log"
  echo "--- game log"; cat "$work/Prismel.rtf" 2>/dev/null | tr '\\' '\n' | grep -i upload
  exit 1
}

source "$(dirname "$0")/../service/tests/start_service.sh"
start_service "$service" "$work" || fail "prismel-scores did not start"

XDG_DATA_HOME=$work "$game" --service "$url" --log "$work/Prismel.rtf" --script tests/scripts/replay_row.txt ||
  fail "the scripted game run"
grep -q "High score upload completed \[Level 1\]\[alice\]" "$work/Prismel.rtf" || fail "the game logged no completed upload"

# The leaderboard, fetched with bash alone.
exec 3<>"/dev/tcp/127.0.0.1/$port" || fail "no connection to the service"
printf 'GET /prismel/ HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n' >&3
page=$(cat <&3)
exec 3<&-
grep -q " 200 " <<<"$(head -1 <<<"$page")" || fail "the page did not answer 200"
grep -q "alice" <<<"$page" || fail "alice is not on the leaderboard"
echo "alice's time is on the leaderboard"
