#!/usr/bin/env bash
# The real prismel-scores program end to end: it starts on a free port with
# a fresh database, takes uploads by the game's exchange (real runs, from
# prismel-scores-client), and headless Chromium draws the leaderboard
# (screens/leaderboard.png, for a person to look at) and dumps its DOM,
# which must hold the players. Then SIGTERM must end it cleanly, and a
# restart on the same database must still show every score.
#
#   browser_test.sh PRISMEL_SCORES PRISMEL_SCORES_CLIENT SCREENS_DIR
#
# Exits 77 (skipped) only when there is no Chromium to drive.
set -uo pipefail
service=$1
client=$2
screens=$3
chromium=/usr/bin/chromium
if [[ ! -x $chromium ]]; then
  echo "SKIP: $chromium is missing (Debian package chromium, listed in scripts/packages.txt)"
  exit 77
fi
work=$(mktemp -d /tmp/prismel-browser-XXXXXX)
pid=
stop() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill -TERM "$pid"; wait "$pid"; fi
}
trap 'stop; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  echo "--- service log"; cat "$work/service.log" 2>/dev/null
  exit 1
}

source "$(dirname "$0")/start_service.sh"
start() { start_service "$service" "$work" || fail "prismel-scores did not start"; }

start
"$client" upload "$url" Quill $(seq 1 60) || fail "uploading Quill's 60 levels"
"$client" upload "$url" Aurora 1 2 3 4 5 6 7 8 9 10 11 12 || fail "uploading Aurora's levels"
"$client" upload "$url" Browser7 1 2 3 || fail "uploading Browser7's levels"

mkdir -p "$screens"
rm -f "$screens/leaderboard.png"
browser=("$chromium" --headless --no-sandbox --disable-gpu --hide-scrollbars --user-data-dir="$work/chromium"
  --window-size=1280,1400)
"${browser[@]}" --screenshot="$screens/leaderboard.png" "$url/prismel/" >"$work/chromium.log" 2>&1 ||
  fail "chromium could not take the picture: $(tail -3 "$work/chromium.log")"
[[ -s $screens/leaderboard.png ]] || fail "no picture in $screens/leaderboard.png"
"${browser[@]}" --dump-dom "$url/prismel/" >"$work/dom.html" 2>>"$work/chromium.log" || fail "chromium --dump-dom"
for name in Quill Aurora Browser7; do
  grep -q ">$name<" "$work/dom.html" || fail "the page has no $name"
done
grep -q "medal gold\">Gold<" "$work/dom.html" || fail "Quill, with all 60 levels in a short total, has no Gold medal"

stop
status=$?
[[ $status -eq 0 ]] || fail "prismel-scores ended with status $status on SIGTERM"
grep -q "stopping on SIGTERM" "$work/service.log" || fail "no line about SIGTERM"
tail -1 "$work/service.log" | grep -q "stopped" || fail "the last line is not 'stopped'"
pid=

start
grep -q "listening on .* 75 public scores" "$work/service.log" || fail "the restart does not find all 75 scores"
"$client" get "$url/prismel/api/latest" >"$work/latest.json" || fail "the API after the restart"
grep -q '"name":"Browser7"' "$work/latest.json" || fail "the restart lost Browser7's scores"
echo "ok: 75 scores uploaded, shown, kept across a restart; picture in $screens/leaderboard.png"
