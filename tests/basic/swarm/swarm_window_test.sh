#!/usr/bin/env bash
# Builds examples/PROGRAM.bas as a window program and runs it under a
# private X server with the swarm programs' window test: the group colours
# on black, for swarm5 the white circles of its trades too, and exit status 0
# when the window is closed.
#
#   swarm_window_test.sh PROMPTBASIC X_TOOLS EXAMPLES_DIR swarm50|swarm5
set -euo pipefail
promptbasic=$1 tools=$2 examples=$3 program=$4
e2e=$(cd "$(dirname "$0")/../../e2e" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/swarm_window.XXXXXX")
trap 'rm -rf "$work"' EXIT
export PROMPTBASIC_CACHE=$work/cache

"$promptbasic" build "$examples/$program.bas" -o "$work/$program" ||
  { echo "FAIL: promptbasic could not build $program.bas" >&2; exit 1; }
white=()
[[ $program == swarm5 ]] && white=(--require-white)
bash "$e2e/program_window.sh" "${white[@]}" "$program" "$tools" "$work/$program"
