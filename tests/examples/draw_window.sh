#!/usr/bin/env bash
# examples/draw.bas as a window program on a private X server: once drawn, the
# picture shows the expected figures and text, the program keeps its window
# open after its last line, and closing the window ends it with status 0.
#
#   draw_window.sh PROMPTBASIC TOOLS SOURCE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
promptbasic=$1 E2E_TOOLS=$2 source=$3

"$promptbasic" build "$source" -o "$E2E_TMP/draw"
e2e_start_display
e2e_start draw "$E2E_TMP/draw"
pid=$E2E_LAST_PID
e2e_wait_window "BASIC PROMPT" "$pid" 120
window=$E2E_WINDOW

# The drawing takes a moment after the window appears: look until it is all
# there (or a generous deadline passes).
deadline=$(e2e_deadline 60)
shot=$E2E_TMP/shot.ppm
until e2e_screenshot "$window" "$shot" && python3 "$here/draw_check.py" "$shot" >"$E2E_TMP/check.txt"; do
  e2e_alive "$pid" || e2e_fail "the program ended before its picture was complete"
  e2e_before "$deadline" || { cat "$E2E_TMP/check.txt" >&2; e2e_fail "the picture is not as expected"; }
  sleep 0.2
done
e2e_log "picture complete"

# Past its last line the program waits for the user.
sleep 0.5
e2e_alive "$pid" || e2e_fail "the program ended without the window being closed"
"$E2E_TOOLS/xclose" "$window" || e2e_fail "could not ask the window to close"
e2e_wait_exit "$pid" 30
((E2E_EXIT_CODE == 0)) || e2e_fail "exit status $E2E_EXIT_CODE after closing, expected 0"
e2e_log "closed, exit status 0"
