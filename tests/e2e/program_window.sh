#!/usr/bin/env bash
# Runs a swarm program in a window on an X server and checks what a user
# sees: the "BASIC PROMPT" window, a black background with circles in the
# palette's group colours, nothing drawn outside the 800 by 500 field (plus
# the circle radius), and a clean exit with code 0 when the window is closed
# the way a window manager's close button closes it.
#
#   program_window.sh [--border N] [--use-display] swarm50|swarm5 XCLOSE COMMAND...
#
# --border N     the window's X11 picture has an N-pixel frame around the
#                client area (Wine draws the sunken client edge itself)
# --use-display  run on $DISPLAY instead of a private Xvfb
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

border=0 use_display=
while [[ $1 == --* ]]; do
  case $1 in
    --border) border=$2; shift 2 ;;
    --use-display) use_display=yes; shift ;;
    *) e2e_fail "unknown option $1" ;;
  esac
done
variant=$1 xclose=$2
shift 2

readonly TITLE="BASIC PROMPT"
# Every screenshot must pass these rules; the goals below are waited for.
rules=(--border "$border" --palette-only --min-black-fraction 0.5 --max-x $((800 + 2)) --max-y $((500 + 2)))
case $variant in
  # 51 groups use all six group colours; nobody trades, so nothing is white.
  swarm50) group_colours=6 rules+=(--no-white) ;;
  # Groups 0 to 4 have 20 particles each, group 5 a single one that may die
  # early; trading particles are drawn white at some point.
  swarm5) group_colours=5 ;;
  *) e2e_fail "unknown variant $variant" ;;
esac

[[ -n $use_display ]] || e2e_start_display
e2e_start "$variant" "$@"
pid=$E2E_LAST_PID
e2e_wait_window "$TITLE" "$pid" 120
window=$E2E_WINDOW
e2e_log "window $window: $(xwininfo -id "$window" | awk '/Width:|Height:/ { printf "%s%s ", $1, $2 }')"

shot_count=0
take_checked_shot() {
  shot=$E2E_TMP/shot$((++shot_count)).ppm
  e2e_screenshot "$window" "$shot"
  python3 "$here/imagecheck.py" "$shot" "${rules[@]}" >"$E2E_TMP/check.txt" ||
    { cat "$E2E_TMP/check.txt" >&2; e2e_fail "screenshot $shot_count breaks the picture's rules"; }
}

# wait_for_pictures TIMEOUT GOAL...: takes checked screenshots until each
# goal (a string of imagecheck options) has held in at least one of them.
wait_for_pictures() {
  local timeout=$1 deadline goal
  shift
  local -a pending=("$@")
  deadline=$(e2e_deadline "$timeout")
  while ((${#pending[@]})) && e2e_before "$deadline"; do
    e2e_alive "$pid" || e2e_fail "$variant ended while waiting for: ${pending[*]}"
    take_checked_shot
    local -a still=()
    for goal in "${pending[@]}"; do
      # shellcheck disable=SC2086 # a goal is a list of options
      if python3 "$here/imagecheck.py" "$shot" --border "$border" $goal >"$E2E_TMP/goal.txt"; then
        e2e_log "goal '$goal' met in screenshot $shot_count: $(head -n1 "$E2E_TMP/goal.txt")"
      else
        still+=("$goal")
      fi
    done
    pending=("${still[@]+"${still[@]}"}")
  done
  ((${#pending[@]} == 0)) || { cat "$E2E_TMP/goal.txt" >&2; e2e_fail "within $timeout s, no screenshot met: ${pending[*]}"; }
}

goals=("--min-group-colours $group_colours")
[[ $variant == swarm5 ]] && goals+=(--white)
wait_for_pictures 120 "${goals[@]}"
# A few more frames, each checked against the rules.
for _ in 1 2 3; do take_checked_shot; done

started=$(e2e_now)
"$xclose" "$window"
e2e_wait_exit "$pid" 60
e2e_log "$variant ended $(e2e_elapsed "$started") s after the close request, exit code $E2E_EXIT_CODE"
[[ $E2E_EXIT_CODE == 0 ]] || { cat "$E2E_TMP/$variant.err" >&2; e2e_fail "exit code $E2E_EXIT_CODE"; }
e2e_log "PASS"
