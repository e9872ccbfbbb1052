#!/usr/bin/env bash
# Runs a swarm program in a window on an X server and checks what a user
# sees: the "BASIC PROMPT" window, black at first, then circles in the
# palette's group colours on black, nothing drawn outside the 800 by 500
# field (plus the circle radius), and a clean exit with code 0 when the
# window is closed the way a window manager's close button closes it.
#
#   program_window.sh [--border N] [--use-display] [--require-white] [--early-colours N] swarm50|swarm5 TOOLS COMMAND...
#
# TOOLS      the directory holding xwaitmap and xclose
# --border N the window's X11 picture has an N-pixel frame around the
#            client area (Wine draws the sunken client edge itself)
# --use-display  run on $DISPLAY instead of a private Xvfb
# --early-colours N  swarm5: the group colours a screenshot must show before
#                  the deaths (default 1: since windows present at most once a
#                  refresh, a program stopped between slices shows its first
#                  frames late, and the screenshots missed the contest's start)
# --require-white  swarm5: white (trading) circles must show in a screenshot;
#            the slices stay at a millisecond until they do, so that the
#            screenshots fall among the contest's first thousands of frames
#
# The programs animate with no delay, so a fast machine runs through the
# start of swarm5's contest between two screenshots. The program is
# therefore stopped as soon as its window appears and then run in slices of
# a millisecond, growing once frames show, with a screenshot between them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

border=0 use_display= require_white= early_colours=1
while [[ $1 == --* ]]; do
  case $1 in
    --border) border=$2; shift 2 ;;
    --use-display) use_display=yes; shift ;;
    --require-white) require_white=yes; shift ;;
    --early-colours) early_colours=$2; shift 2 ;;
    *) e2e_fail "unknown option $1" ;;
  esac
done
variant=$1 E2E_TOOLS=$2
shift 2

readonly TITLE="BASIC PROMPT"
# Every screenshot must pass these rules; the goals below are waited for.
rules=(--border "$border" --palette-only --min-black-fraction 0.5 --max-x $((800 + 2)) --max-y $((500 + 2)))
goals=()
case $variant in
  # 51 groups use all six group colours; nobody trades, so nothing is white.
  swarm50)
    rules+=(--no-white)
    goals+=("group colours|1|--min-group-colours 6") ;;
  # Groups 0 to 4 have 20 particles each, group 5 a single one. Losers of
  # the trades die, until a group or two is left: fewer colours must show
  # in several screenshots in a row, since one screenshot may catch a frame
  # half drawn after a clear. Trading particles are drawn white only in the
  # frames they trade in, a few frames among thousands a second, so white
  # is reported when a screenshot happens to show it but not required.
  swarm5)
    goals+=("group colours|1|--min-group-colours $early_colours"
            "deaths|3|--min-group-colours 1 --max-group-colours 4")
    [[ -z $require_white ]] || goals+=("white trades|1|--white") ;;
  *) e2e_fail "unknown variant $variant" ;;
esac

shot_count=0
take_checked_shot() {
  shot=$E2E_TMP/shot$((++shot_count)).ppm
  e2e_screenshot "$window" "$shot"
  python3 "$here/imagecheck.py" "$shot" "${rules[@]}" "$@" >"$E2E_TMP/check.txt" ||
    { cat "$E2E_TMP/check.txt" >&2; e2e_fail "screenshot $shot_count breaks the picture's rules"; }
}

# goal_met SHOT "NAME|COUNT|OPTIONS" INDEX: counts the screenshots in a row
# that meet the goal; true once there are COUNT.
declare -a streak=()
goal_met() {
  local name count options
  IFS='|' read -r name count options <<<"$1"
  # shellcheck disable=SC2086 # the options are a list
  if python3 "$here/imagecheck.py" "$shot" --border "$border" $options >"$E2E_TMP/goal.txt"; then
    streak[$2]=$((${streak[$2]:-0} + 1))
  else
    streak[$2]=0
  fi
  ((streak[$2] >= count)) || return 1
  e2e_log "$name: '$options' held in $count screenshot(s) up to number $shot_count: $(head -n1 "$E2E_TMP/goal.txt")"
}

# Runs the stopped program slice by slice until every goal is met.
run_until_goals() {
  local deadline slice=0.001 i white_seen=
  local -a pending=("${!goals[@]}")
  deadline=$(e2e_deadline 180)
  while ((${#pending[@]})); do
    e2e_before "$deadline" || e2e_fail "within 180 s, not met: $(for i in "${pending[@]}"; do printf '[%s] ' "${goals[i]}"; done)"
    e2e_run_for "$pid" "$slice"
    take_checked_shot
    # Slices grow only once frames show: the prologue's pause before the
    # first frame would otherwise let the first drawing slice run through
    # the start of swarm5's contest.
    if [[ -z $white_seen ]] && ! grep -q ' white 0,' "$E2E_TMP/check.txt"; then
      white_seen=yes
      e2e_log "white (trading) circles in screenshot $shot_count"
    fi
    grep -q 'drawn up to (-1,-1)' "$E2E_TMP/check.txt" || [[ -n $require_white && -z $white_seen ]] ||
      slice=$(awk -v s="$slice" 'BEGIN { s *= 1.5; print (s > 2 ? 2 : s) }')
    local -a still=()
    for i in "${pending[@]}"; do goal_met "${goals[i]}" "$i" || still+=("$i"); done
    pending=("${still[@]+"${still[@]}"}")
  done
}

[[ -n $use_display ]] || e2e_start_display
e2e_start_stopped "$variant" "$@"
pid=$E2E_LAST_PID
e2e_run_until_window "$TITLE" "$pid" 120
window=$E2E_WINDOW
e2e_log "window $window: $(xwininfo -id "$window" | awk '/Width:|Height:/ { printf "%s%s ", $1, $2 }')"

# Stopped the moment its window appeared: nothing is drawn yet.
take_checked_shot --max-group-colours 0 --no-white --min-black-fraction 1
e2e_log "black at first: $(head -n1 "$E2E_TMP/check.txt")"
run_until_goals

# Running freely again: a few more screenshots, each checked.
kill -CONT "$pid"
for _ in 1 2 3; do take_checked_shot; done

started=$(e2e_now)
"$E2E_TOOLS/xclose" "$window"
e2e_wait_exit "$pid" 60
e2e_log "$variant ended $(e2e_elapsed "$started") s after the close request, exit code $E2E_EXIT_CODE"
[[ $E2E_EXIT_CODE == 0 ]] || { cat "$E2E_TMP/$variant.err" >&2; e2e_fail "exit code $E2E_EXIT_CODE"; }
e2e_log "PASS"
