# End-to-end helpers: a private X server, programs started on it, windows
# found by title, screenshots, and a clean stop of everything on exit.
# Source this file from a bash script that uses `set -euo pipefail`.

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/e2e.XXXXXX")
E2E_PIDS=()        # processes started here, stopped on exit (last first)
E2E_XVFB_PID=

e2e_log() { printf '[e2e] %s\n' "$*" >&2; }
e2e_fail() { printf '[e2e] FAIL: %s\n' "$*" >&2; exit 1; }

e2e_cleanup() {
  local status=$? pid deadline
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${E2E_PIDS[i]}
    kill "$pid" 2>/dev/null || true
    kill -CONT "$pid" 2>/dev/null || true # a stopped process takes SIGTERM only then
    # A program may turn SIGTERM into a request it ignores; then SIGKILL.
    deadline=$(e2e_deadline 10)
    while e2e_alive "$pid" && e2e_before "$deadline"; do sleep 0.02; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [[ -n ${E2E_KEEP:-} ]]; then
    e2e_log "kept $E2E_TMP"
  else
    rm -rf "$E2E_TMP"
  fi
  return "$status"
}
trap e2e_cleanup EXIT

# Seconds since the epoch with fractions, for deadlines and reports.
e2e_now() { date +%s.%N; }
e2e_elapsed() { awk -v a="$1" -v b="$(e2e_now)" 'BEGIN { printf "%.2f", b - a }'; }
e2e_before() { awk -v d="$1" -v n="$(e2e_now)" 'BEGIN { exit !(n < d) }'; }
e2e_deadline() { awk -v s="$1" -v n="$(e2e_now)" 'BEGIN { printf "%.3f", n + s }'; }

# Starts Xvfb on a free display of its own choosing and exports DISPLAY.
# Xvfb writes the display number to fd 3 once it accepts connections.
e2e_start_display() {
  local size=${1:-1920x1080x24}
  local fifo=$E2E_TMP/displayfd number=
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fifo" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  E2E_PIDS+=("$E2E_XVFB_PID")
  if ! read -r -t 60 number <"$fifo" || [[ ! $number =~ ^[0-9]+$ ]]; then
    cat "$E2E_TMP/xvfb.log" >&2
    e2e_fail "Xvfb did not start"
  fi
  export DISPLAY=":$number"
  e2e_log "Xvfb on $DISPLAY"
}

# e2e_start NAME COMMAND...: runs the command in the background with its
# output in $E2E_TMP/NAME.out and .err; sets E2E_LAST_PID.
e2e_start() {
  local name=$1; shift
  "$@" >"$E2E_TMP/$name.out" 2>"$E2E_TMP/$name.err" &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

e2e_alive() { kill -0 "$1" 2>/dev/null; }

# Frame by frame: a program can be started stopped, run until its window
# appears, and then run in short slices with a look at the window between
# them. The tools xwaitmap and xclose are looked for in $E2E_TOOLS.

# e2e_start_stopped NAME COMMAND...: like e2e_start, but the process stops
# itself before it runs COMMAND.
e2e_start_stopped() {
  local name=$1; shift
  bash -c 'kill -STOP $$ && exec "$@"' e2e-stopped "$@" >"$E2E_TMP/$name.out" 2>"$E2E_TMP/$name.err" &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
  e2e_wait_stopped "$E2E_LAST_PID"
}

# e2e_wait_stopped PID: waits until the process is stopped.
e2e_wait_stopped() {
  local deadline state
  deadline=$(e2e_deadline 30)
  while e2e_before "$deadline"; do
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || e2e_fail "process $1 ended"
    [[ $state == T ]] && return 0
    sleep 0.001
  done
  e2e_fail "process $1 did not stop"
}

# e2e_run_until_window TITLE PID TIMEOUT: continues the stopped process until
# it maps a window titled TITLE, stops it again at once and sets E2E_WINDOW.
e2e_run_until_window() {
  E2E_WINDOW=$("$E2E_TOOLS/xwaitmap" "$1" "$2" "$3") || e2e_fail "no window titled '$1' from process $2"
  e2e_wait_stopped "$2"
}

# e2e_run_for PID SECONDS: lets the stopped process run that long, then stops
# it again. The length only decides how much happens between two looks.
e2e_run_for() {
  kill -CONT "$1"
  sleep "$2"
  kill -STOP "$1"
  e2e_wait_stopped "$1"
}

# e2e_wait_window TITLE PID [TIMEOUT]: sets E2E_WINDOW to the id of the
# first mapped window titled exactly TITLE; fails when the process ends
# first or no such window appears in time.
e2e_wait_window() {
  local title=$1 pid=$2 deadline ids
  deadline=$(e2e_deadline "${3:-60}")
  while e2e_before "$deadline"; do
    ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
    if [[ -n $ids ]]; then
      E2E_WINDOW=$(head -n1 <<<"$ids")
      return 0
    fi
    if ! e2e_alive "$pid"; then
      cat "$E2E_TMP"/*.err >&2 2>/dev/null || true
      e2e_fail "process $pid ended before a window titled '$title' appeared"
    fi
    sleep 0.1
  done
  e2e_fail "no window titled '$title' within ${3:-60} s"
}

# e2e_screenshot WINDOW FILE: the window's pixels as a binary PPM.
e2e_screenshot() {
  /usr/bin/import -silent -window "$1" -depth 8 "ppm:$2"
}

# e2e_wait_exit PID TIMEOUT: waits for the process to end and sets
# E2E_EXIT_CODE; fails when it is still running after TIMEOUT seconds.
# Must run in the shell that started the process (not in $(...)).
e2e_wait_exit() {
  local pid=$1 deadline i
  deadline=$(e2e_deadline "$2")
  while e2e_alive "$pid" && e2e_before "$deadline"; do sleep 0.02; done
  e2e_alive "$pid" && e2e_fail "process $pid still running after $2 s"
  E2E_EXIT_CODE=0
  wait "$pid" || E2E_EXIT_CODE=$?
  for i in "${!E2E_PIDS[@]}"; do
    [[ ${E2E_PIDS[i]} == "$pid" ]] && unset 'E2E_PIDS[i]'
  done
  E2E_PIDS=("${E2E_PIDS[@]}")
}

# e2e_expect_read NAME PID N: waits until promptdemo, started as NAME, has
# opened its Nth line read (it says so on its debugger output), so that no
# keystroke arrives before the read accepts it.
e2e_expect_read() {
  local deadline
  deadline=$(e2e_deadline 30)
  while e2e_before "$deadline"; do
    (( $(grep -cxF "promptdemo reading a line" "$E2E_TMP/$1.err") >= $3 )) && return 0
    e2e_alive "$2" || e2e_fail "promptdemo ended"
    sleep 0.05
  done
  e2e_fail "promptdemo did not open read $3"
}
