#!/usr/bin/env bash
# make soak: the real game under AddressSanitizer and UndefinedBehavior-
# Sanitizer driven by a long random session (tools/soak/make_session.sh)
# for SOAK_MINUTES (default 10) of wall time, then asked to quit. Reports
# the frames run, the resident memory after the first minute and at the
# end, its peak, and any error; fails on a sanitizer report, a script that
# went wrong, or memory at the end more than 10 % above the first minute's.
set -uo pipefail
cd "$(dirname "$0")/../.."
minutes=${SOAK_MINUTES:-10}
build=${SANITIZE_BUILD:-build-sanitize}
seed=${SOAK_SEED:-$RANDOM}
work=$(mktemp -d /tmp/prismel-soak-XXXXXX)
trap 'rm -rf "$work"' EXIT

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DPRISMEL_SANITIZE=ON > "$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
fi
cmake --build "$build" -j "$(nproc)" --target prismel > "$work/build.log" 2>&1 || { tail -30 "$work/build.log"; exit 1; }

# Far more rounds than the minutes can play: the run is ended by the clock.
bash tools/soak/make_session.sh "$seed" 5000 > "$work/session.txt"
echo "soak: seed $seed, $minutes minutes"
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16:malloc_context_size=10
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ALSOFT_DRIVERS=null PRISMEL_NO_MESSAGE_BOXES=1 PRISMEL_SERVICE=http://127.0.0.1:9
XDG_DATA_HOME=$work xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
  '"$1" --log "$2/log.rtf" --script "$3" > "$2/out.txt" 2> "$2/err.txt" & echo $! > "$2/pid"; wait $!' \
  soak "$PWD/$build/prismel" "$work" "$work/session.txt" &
runner=$!
for _ in $(seq 100); do [ -s "$work/pid" ] && break; sleep 0.1; done
pid=$(cat "$work/pid")
rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null; }
start=$(date +%s)
first=""
last=""
while kill -0 "$pid" 2>/dev/null; do
  now=$(date +%s)
  [ -z "$first" ] && (( now - start >= 60 )) && first=$(rss)
  last=$(rss)
  peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null)
  (( now - start >= minutes * 60 )) && break
  sleep 2
done
kill -TERM "$pid" 2>/dev/null
wait "$runner"
frames=$(grep -o '[0-9]* frames' "$work/out.txt" | grep -o '[0-9]*' || echo "?")
echo "soak: $frames frames; memory after the first minute ${first:-?} kB, at the end ${last:-?} kB, peak ${peak:-?} kB"
status=0
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$work/err.txt"; then
  echo "soak: ERROR: a sanitizer report"; grep -A30 -E "ERROR: |runtime error:" "$work/err.txt" | head -60; status=1
fi
if grep -q "script: FAILED" "$work/out.txt" && ! grep -q "the game ended before line" "$work/err.txt"; then
  echo "soak: ERROR: the session went wrong"; tail -5 "$work/err.txt"; status=1
fi
if [ -n "$first" ] && [ -n "$last" ] && (( last * 10 > first * 11 )); then
  echo "soak: ERROR: memory grew by more than 10 %"; status=1
fi
[ -z "$first" ] && { echo "soak: ERROR: the game did not run for a minute"; tail -20 "$work/err.txt"; status=1; }
((status == 0)) && echo "soak: no error"
exit $status
