#!/usr/bin/env bash
# promptdemo read through the real window, typed with xdotool on a private X
# server: letters and BackSpace, a Ctrl+V paste of the X clipboard, and
# Japanese text. The program reports each line it read on its debugger output
# (stderr), which is what is checked; then the window is closed like a user
# closes it.
#   promptdemo_input.sh XCLOSE PROMPTDEMO
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

xclose=$1 program=$2
command -v xclip >/dev/null || e2e_fail "xclip is needed"

e2e_start_display 1280x1024x24
e2e_start demo "$program"
demo=$E2E_LAST_PID
e2e_wait_window "BASIC PROMPT" "$demo"
xdotool windowfocus --sync "$E2E_WINDOW"

# expect_line TEXT: waits until the program reports that it read TEXT.
expect_line() {
  local deadline
  deadline=$(e2e_deadline 30)
  while e2e_before "$deadline"; do
    grep -qxF "promptdemo read: $1" "$E2E_TMP/demo.err" && return 0
    e2e_alive "$demo" || e2e_fail "promptdemo ended"
    sleep 0.05
  done
  cat "$E2E_TMP/demo.err" >&2
  e2e_fail "promptdemo did not read '$1'"
}

# expect_read N: waits until the program has opened its Nth line read.
expect_read() { e2e_expect_read demo "$demo" "$1"; }

expect_read 1
xdotool type --delay 30 "hellx"
xdotool key BackSpace
xdotool type --delay 30 "o world"
xdotool key Return
expect_line "hello world"

# xclip serves the selection from the foreground until the test ends.
expect_read 2
printf 'pasted 42' >"$E2E_TMP/clip.txt"
xclip -quiet -selection clipboard -i "$E2E_TMP/clip.txt" >/dev/null 2>&1 &
E2E_PIDS+=("$!")
xdotool type --delay 30 "ab"
xdotool key ctrl+v
xdotool key Return
expect_line "abpasted 42"

expect_read 3
xdotool type --delay 30 "日本語"
xdotool key Return
expect_line "日本語"

# Keys as the platform gives them: Ctrl+[ is Escape (27); Ctrl+1 types
# nothing, and Alt+x is a system key the line never sees, although X11
# reports text for both.
expect_read 4
xdotool type --delay 30 "a"
xdotool key ctrl+bracketleft ctrl+1 alt+x
xdotool type --delay 30 "b"
xdotool key Return
expect_line $'a\x1bb'

"$xclose" "$E2E_WINDOW"
e2e_wait_exit "$demo" 30
[[ $E2E_EXIT_CODE == 0 ]] || e2e_fail "promptdemo exited with $E2E_EXIT_CODE"
e2e_log "promptdemo read typed, pasted and Japanese lines"
