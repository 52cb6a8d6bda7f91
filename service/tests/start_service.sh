# Sourced by the test scripts that need a running prismel-scores.
# start_service PROGRAM WORK: starts it on a free port with the database
# WORK/scores.db, its log in WORK/service.log; sets pid, port and url.
# The program itself tells whether a port is taken, so another is tried.
# Returns 1 when it would not start.
start_service() {
  local program=$1 work=$2
  for attempt in 1 2 3 4 5 6 7 8 9 10; do
    port=$((20000 + RANDOM % 40000))
    url=http://127.0.0.1:$port
    : >"$work/service.log"
    "$program" --listen "127.0.0.1:$port" --db "$work/scores.db" --public-url "$url" 2>>"$work/service.log" &
    pid=$!
    for _ in $(seq 100); do
      grep -q "listening on" "$work/service.log" && return 0
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    wait "$pid" 2>/dev/null
    pid=
  done
  return 1
}
