#!/usr/bin/env bash
# Composing Japanese with a real input method: IBus with the Anthy engine, no
# panel (so nothing but the program's display shows the text being composed),
# on a private X server and a private D-Bus session. Romaji typed with
# xdotool must show as composition text at the cursor, drawn by the display
# over the window; converting and committing it must clear it and hand the
# program Japanese text, which it reads as a Shift-JIS line.
#   ibus_composition.sh PROMPTDEMO
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

program=$1
for tool in ibus-daemon ibus dbus-daemon gsettings iconv; do
  command -v "$tool" >/dev/null || e2e_fail "$tool is needed (tools/test installs ibus and ibus-anthy)"
done
[[ -x /usr/libexec/ibus-engine-anthy ]] || e2e_fail "the Anthy engine for IBus (ibus-anthy) is needed"

# promptdemo greets on two rows, then prompts "? ": the line is read from
# column 2 of row 2, so with 8x16 cells the composition point is (16, 32).
readonly COMPOSITION_X=16 COMPOSITION_Y=32 CELL_HEIGHT=16
# "にほんご" is four full-width characters: 64 pixels.
readonly COMPOSITION_WIDTH=64

# Everything IBus and its engine keep (the bus address, settings, Anthy's
# dictionary) stays in the test's own home.
export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/home/.config XDG_CACHE_HOME=$E2E_TMP/home/.cache
export GSETTINGS_BACKEND=keyfile
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
unset IBUS_ADDRESS GTK_IM_MODULE QT_IM_MODULE XMODIFIERS

e2e_start_display 1280x1024x24

# A private session bus; dbus-daemon writes its address to fd 3 once it listens.
fifo=$E2E_TMP/busfd
mkfifo "$fifo"
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$fifo" >"$E2E_TMP/dbus.log" 2>&1 &
E2E_PIDS+=("$!")
read -r -t 60 DBUS_SESSION_BUS_ADDRESS <"$fifo" || e2e_fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS

# Anthy starts in Latin input; hiragana makes typed romaji compose.
gsettings set org.freedesktop.ibus.engine.anthy.common input-mode 0 \
  || e2e_fail "cannot set Anthy's input mode"

# The engine is a Python program for the system's python3; an interpreter
# earlier in PATH (a virtual environment) lacks its modules.
PATH=/usr/bin:/bin:$PATH e2e_start ibus ibus-daemon --panel disable --replace --verbose
ibus_pid=$E2E_LAST_PID

# wait_for TIMEOUT WHAT COMMAND...: runs COMMAND until it succeeds.
wait_for() {
  local timeout=$1 what=$2 deadline
  shift 2
  deadline=$(e2e_deadline "$timeout")
  while e2e_before "$deadline"; do
    "$@" >/dev/null 2>&1 && return 0
    e2e_alive "$ibus_pid" || { cat "$E2E_TMP/ibus.err" >&2; e2e_fail "ibus-daemon ended"; }
    sleep 0.1
  done
  cat "$E2E_TMP/ibus.err" >&2
  e2e_fail "$what within $timeout s"
}

# IBus lists its engines once it has read their components; Anthy's is a
# program it runs, which can take a while on a first start.
wait_for 180 "IBus did not start" ibus address
# `ibus engine anthy` exits 1 even when it sets the engine (and each call
# starts the engine afresh), so it is asked again only now and then, and
# `ibus engine` tells whether it took.
engine_is_anthy() {
  local now
  [[ $(ibus engine 2>/dev/null) == anthy ]] && return 0
  now=$(date +%s)
  if ((now - ${last_request:-0} >= 5)); then
    last_request=$now
    ibus engine anthy >/dev/null 2>&1 || true
  fi
  return 1
}
wait_for 180 "IBus did not take the Anthy engine" engine_is_anthy
# SDL finds the daemon through the address file it keeps under
# $XDG_CONFIG_HOME/ibus/bus (SDL would take IBUS_ADDRESS for a file name).
e2e_log "IBus with Anthy at $(ibus address)"

SDL_IM_MODULE=ibus e2e_start demo "$program"
demo=$E2E_LAST_PID
e2e_wait_window "BASIC PROMPT" "$demo"
xdotool windowfocus --sync "$E2E_WINDOW"

expect_read() { e2e_expect_read demo "$demo" "$1"; }

# expect_composition shown|converting|gone SHOT WHAT: takes screenshots until the
# composition area shows the condition; the last one stays in SHOT.
expect_composition() {
  local want=$1 shot=$E2E_TMP/$2.ppm what=$3 deadline report
  deadline=$(e2e_deadline 60)
  while e2e_before "$deadline"; do
    e2e_screenshot "$E2E_WINDOW" "$shot"
    if report=$(python3 "$here/compositioncheck.py" "$shot" "$COMPOSITION_X" "$COMPOSITION_Y" \
                  "$COMPOSITION_WIDTH" "$CELL_HEIGHT" "$want"); then
      e2e_log "$what: $report"
      return 0
    fi
    e2e_alive "$demo" || e2e_fail "promptdemo ended"
    sleep 0.1
  done
  E2E_KEEP=1
  e2e_fail "$what: $report (screenshot $shot)"
}

expect_read 1
expect_composition gone before "before typing"
xdotool type --delay 50 "nihongo"
expect_composition shown composing "composing"

# Space converts: the segment being converted shows in the highlight colours.
xdotool key space
expect_composition converting converting "converting"

# Enter commits: the composition disappears and the text is echoed. The
# second Enter ends the line.
xdotool key Return
expect_composition gone committed "committed"
(( $(grep -c "^promptdemo read:" "$E2E_TMP/demo.err") == 0 )) || e2e_fail "the commit ended the line"
xdotool key Return

deadline=$(e2e_deadline 30)
until line=$(grep -m1 "^promptdemo read: " "$E2E_TMP/demo.err"); do
  e2e_before "$deadline" || { cat "$E2E_TMP/demo.err" >&2; e2e_fail "promptdemo read no line"; }
  sleep 0.05
done
text=${line#promptdemo read: }
e2e_log "promptdemo read '$text'"
# The line reaches the debugger output converted from Shift-JIS; text in any
# other encoding would not come back as kana and kanji. Only ASCII keys were
# typed, so Japanese here came from the composition.
python3 -c '
import sys, unicodedata
text = sys.argv[1]
ok = text and all(unicodedata.name(c, "").startswith(("HIRAGANA", "KATAKANA", "CJK UNIFIED")) for c in text)
sys.exit(0 if ok else 1)' "$text" || e2e_fail "the line read is not Japanese: '$text'"
bytes=$(printf '%s' "$text" | iconv -f UTF-8 -t CP932 | wc -c)
(( bytes == 2 * ${#text} )) || e2e_fail "'$text' is not ${#text} double-byte characters in Shift-JIS"
e2e_log "composition shown at the cursor, cleared on commit, line read as Japanese"
