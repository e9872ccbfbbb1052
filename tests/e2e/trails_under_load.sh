#!/usr/bin/env bash
# swarm50 clears its screen every sixth frame, so that each particle leaves a
# short trail: the window, repainted from the back buffer after every clear,
# holds at most about twelve frames of circles and is almost never black.
# This takes 100 screenshots of its window while another process keeps one
# core busy, and checks that at most 3 are black and at most 3 hold more than
# twelve frames' worth of circles (one frame lights at most 808 pixels).
#
#   trails_under_load.sh TOOLS COMMAND...
#
# TOOLS  the directory holding xclose
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
E2E_TOOLS=$1
shift

readonly TITLE="BASIC PROMPT" SHOTS=100

e2e_start_display
# The busy process ends by itself after two minutes at most, and is stopped
# with everything else when the test ends.
e2e_start busy timeout 120 bash -c 'while :; do :; done'
e2e_start swarm50 "$@"
pid=$E2E_LAST_PID
e2e_wait_window "$TITLE" "$pid" 60
window=$E2E_WINDOW

# The first picture with circles shows that the frames have started.
deadline=$(e2e_deadline 60)
until e2e_screenshot "$window" "$E2E_TMP/first.ppm" &&
      python3 "$here/trailcount.py" --max-black 0 "$E2E_TMP/first.ppm" >/dev/null; do
  e2e_alive "$pid" || { cat "$E2E_TMP/swarm50.err" >&2; e2e_fail "swarm50 ended before it drew"; }
  e2e_before "$deadline" || e2e_fail "no circles within 60 s"
  sleep 0.1
done

started=$(e2e_now)
for ((i = 1; i <= SHOTS; i++)); do
  e2e_screenshot "$window" "$E2E_TMP/shot$i.ppm"
done
e2e_log "$SHOTS screenshots in $(e2e_elapsed "$started") s"
e2e_alive "$pid" || e2e_fail "swarm50 ended while being looked at"
status=0
python3 "$here/trailcount.py" "$E2E_TMP"/shot*.ppm >&2 || status=$?

"$E2E_TOOLS/xclose" "$window"
e2e_wait_exit "$pid" 60
[[ $E2E_EXIT_CODE == 0 ]] || { cat "$E2E_TMP/swarm50.err" >&2; e2e_fail "exit code $E2E_EXIT_CODE"; }
((status == 0)) || e2e_fail "the trails are not as the program promises"
e2e_log "PASS"
