#!/usr/bin/env bash
# Ten programs started at once on one X server: ten windows appear, and each
# program ends with exit code 0 when its window is closed the way a window
# manager's close button closes it. A program that cannot open its window
# must say why; its message is shown.
#   ten_programs.sh XCLOSE PROGRAM
set -euo pipefail
xclose=$1 program=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

readonly TITLE="BASIC PROMPT" COUNT=10
e2e_start_display
pids=()
for ((i = 0; i < COUNT; i++)); do
  e2e_start "program$i" "$program"
  pids+=("$E2E_LAST_PID")
done

# Every program keeps running until it has its window.
deadline=$(e2e_deadline 120)
while :; do
  windows=$(xdotool search --onlyvisible --name "^${TITLE}\$" 2>/dev/null || true)
  shown=$(grep -c . <<<"$windows" || true)
  ((shown >= COUNT)) && break
  for ((i = 0; i < COUNT; i++)); do
    if ! e2e_alive "${pids[i]}"; then
      cat "$E2E_TMP/program$i.err" >&2
      e2e_fail "program $i ended before its window showed"
    fi
  done
  e2e_before "$deadline" || e2e_fail "only $shown of $COUNT windows within 120 s"
  sleep 0.2
done
e2e_log "$COUNT windows are shown"

# Each window belongs to one program, which ends with 0 once it is closed.
for window in $windows; do
  pid=$(xdotool getwindowpid "$window") || e2e_fail "window $window has no process id"
  "$xclose" "$window" || e2e_fail "window $window cannot be closed"
  e2e_wait_exit "$pid" 60
  [[ $E2E_EXIT_CODE == 0 ]] || e2e_fail "process $pid ended with $E2E_EXIT_CODE"
done
for pid in "${pids[@]}"; do
  e2e_alive "$pid" && e2e_fail "process $pid still runs after every window was closed"
done
e2e_log "PASS: $COUNT windows, $COUNT exits with code 0"
