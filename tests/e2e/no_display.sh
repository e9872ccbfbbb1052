#!/usr/bin/env bash
# Without an X display a program cannot open its window: it must say so and
# end with a non-zero exit code instead of waiting for ever.
#   no_display.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

unset DISPLAY WAYLAND_DISPLAY
e2e_start program env -u SDL_VIDEODRIVER "$program"
e2e_wait_exit "$E2E_LAST_PID" 60
message=$(cat "$E2E_TMP/program.err" "$E2E_TMP/program.out")
e2e_log "exit code $E2E_EXIT_CODE, message: $message"
[[ $E2E_EXIT_CODE != 0 ]] || e2e_fail "exit code 0 without a display"
[[ -n $message ]] || e2e_fail "no message on stderr or stdout"
# The message names the cause: the display's own words, after the step.
grep -q "window could not be created: no display available" <<<"$message" ||
  e2e_fail "the message does not name the cause"

# A display that cannot be reached is named.
e2e_start unreachable env -u SDL_VIDEODRIVER DISPLAY=:4321 "$program"
e2e_wait_exit "$E2E_LAST_PID" 60
message=$(cat "$E2E_TMP/unreachable.err")
e2e_log "unreachable display: exit code $E2E_EXIT_CODE, message: $message"
[[ $E2E_EXIT_CODE != 0 ]] || e2e_fail "exit code 0 with an unreachable display"
grep -q 'window could not be created: no display available: the X display ":4321"' <<<"$message" ||
  e2e_fail "the message does not name the unreachable display"
e2e_log "PASS"
