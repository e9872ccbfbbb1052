#!/usr/bin/env bash
# examples/guess.bas as a window program on a private X server: INPUT and
# LINE INPUT read lines typed into the window, the program prints its answers
# row by row, stays open after its last line, and ends with status 0 when the
# window is closed.
#
#   guess_window.sh PROMPTBASIC TOOLS SOURCE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
promptbasic=$1 E2E_TOOLS=$2 source=$3

"$promptbasic" build "$source" -o "$E2E_TMP/guess"
e2e_start_display
# Seed 1: the secret number is 54.
e2e_start guess "$E2E_TMP/guess" 1
pid=$E2E_LAST_PID
e2e_wait_window "BASIC PROMPT" "$pid" 120
window=$E2E_WINDOW
xdotool windowfocus --sync "$window"

rows=0 lit=0
look() {
  e2e_screenshot "$window" "$E2E_TMP/shot.ppm"
  read -r rows lit < <(python3 "$here/text_rows.py" "$E2E_TMP/shot.ppm")
}

# wait_rows N: waits until exactly N text rows show.
wait_rows() {
  local deadline
  deadline=$(e2e_deadline 60)
  while look && ((rows != $1)); do
    e2e_alive "$pid" || e2e_fail "the program ended"
    e2e_before "$deadline" || e2e_fail "$rows text rows instead of $1"
    sleep 0.1
  done
}

# answer TEXT: types TEXT into the open read and ends the line. Keys that
# arrive before the read opens are ignored by the window, so the first
# character is typed again until its echo shows on the prompt's row; the rest
# follows once the read is known to be open.
answer() {
  local before=$lit deadline shown
  deadline=$(e2e_deadline 60)
  until ((rows == before_rows && lit > before)); do
    e2e_before "$deadline" || e2e_fail "'${1:0:1}' never showed"
    xdotool type "${1:0:1}"
    shown=$(e2e_deadline 5)
    while look && ((lit <= before)) && e2e_before "$shown"; do sleep 0.1; done
  done
  xdotool type --delay 30 "${1:1}"
  xdotool key Return
}

wait_rows 2 && before_rows=2    # the greeting and "Your guess? "
answer 54
wait_rows 4 && before_rows=4    # "Right! ..." and "Play again (y/n)? "
answer n
wait_rows 5                     # "Bye."
sleep 0.5
e2e_alive "$pid" || e2e_fail "the program ended without the window being closed"
"$E2E_TOOLS/xclose" "$window" || e2e_fail "could not ask the window to close"
e2e_wait_exit "$pid" 30
((E2E_EXIT_CODE == 0)) || e2e_fail "exit status $E2E_EXIT_CODE after closing, expected 0"
e2e_log "answered, closed, exit status 0"
