#!/usr/bin/env bash
# Runs a swarm program in a window on a private X server and checks what a
# user sees: the "BASIC PROMPT" window, a black background with circles in
# the palette's group colours, nothing drawn outside the 800 by 500 field
# (plus the circle radius), and a clean exit with code 0 when the window is
# closed the way a window manager's close button closes it.
#
#   program_window.sh PROGRAM swarm50|swarm5 XCLOSE
set -euo pipefail
program=$1 variant=$2 xclose=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

readonly TITLE="BASIC PROMPT"
readonly FIELD_RIGHT=$((800 + 2)) FIELD_BOTTOM=$((500 + 2))
case $variant in
  # 51 groups use all six group colours; nobody trades, so nothing is white.
  swarm50) group_colours=6 white_rule=--no-white ;;
  # Groups 0 to 4 have 20 particles each, group 5 a single one that may die
  # early; trading particles are drawn white at some point.
  swarm5) group_colours=5 white_rule= ;;
  *) e2e_fail "unknown variant $variant" ;;
esac

e2e_start_display
e2e_start "$variant" "$program"
pid=$E2E_LAST_PID
e2e_wait_window "$TITLE" "$pid" 60
window=$E2E_WINDOW
e2e_log "window $window: $(xwininfo -id "$window" | awk '/Width:|Height:/ { printf "%s%s ", $1, $2 }')"

# Every screenshot must hold these; the goals below are polled for.
shot_count=0
take_checked_shot() {
  shot=$E2E_TMP/shot$((++shot_count)).ppm
  e2e_screenshot "$window" "$shot"
  python3 "$here/imagecheck.py" "$shot" --palette-only --min-black-fraction 0.5 \
    --max-x "$FIELD_RIGHT" --max-y "$FIELD_BOTTOM" $white_rule >"$E2E_TMP/check.txt" ||
    { cat "$E2E_TMP/check.txt" >&2; e2e_fail "screenshot $shot_count breaks the picture's rules"; }
}

# wait_for_picture DESCRIPTION TIMEOUT IMAGECHECK-OPTIONS...
wait_for_picture() {
  local what=$1 deadline
  deadline=$(e2e_deadline "$2")
  shift 2
  while e2e_before "$deadline"; do
    e2e_alive "$pid" || e2e_fail "$variant ended while waiting for $what"
    take_checked_shot
    if python3 "$here/imagecheck.py" "$shot" "$@" >"$E2E_TMP/goal.txt"; then
      e2e_log "$what after $shot_count screenshots: $(cat "$E2E_TMP/goal.txt")"
      return 0
    fi
  done
  cat "$E2E_TMP/goal.txt" >&2
  e2e_fail "no $what within $2 s"
}

wait_for_picture "$group_colours group colours" 60 --min-group-colours "$group_colours"
if [[ $variant == swarm5 ]]; then
  wait_for_picture "white (trading) circles" 120 --white
fi
# A few more frames, each checked against the rules.
for _ in 1 2 3; do take_checked_shot; done

started=$(e2e_now)
"$xclose" "$window"
e2e_wait_exit "$pid" 30
e2e_log "$variant ended $(e2e_elapsed "$started") s after the close request, exit code $E2E_EXIT_CODE"
[[ $E2E_EXIT_CODE == 0 ]] || { cat "$E2E_TMP/$variant.err" >&2; e2e_fail "exit code $E2E_EXIT_CODE"; }
e2e_log "PASS"
