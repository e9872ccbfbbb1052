#!/usr/bin/env bash
# Runs one BASIC test case with promptbasic from the build tree.
#
#   run_case.sh PROMPTBASIC golden  DIR/AREA.bas   built in console mode, run with
#                                                 AREA.in (if any) on standard input;
#                                                 standard output must equal AREA.out
#                                                 byte for byte, and the status be 0
#   run_case.sh PROMPTBASIC runtime DIR/NAME.bas   the program stops with status 3 and
#                                                 NAME.err on standard error, no signal
#   run_case.sh PROMPTBASIC errors  DIR/NAME.bas   `promptbasic check` prints NAME.err
#                                                 and ends with status 2
set -uo pipefail
promptbasic=$1 kind=$2 source=$3
dir=$(cd "$(dirname "$source")" && pwd)
name=$(basename "$source" .bas)
work=$(mktemp -d "${TMPDIR:-/tmp}/basic_case.XXXXXX")
trap 'rm -rf "$work"' EXIT
export PROMPTBASIC_CACHE=$work/cache

fail() { printf 'FAIL %s: %s\n' "$name" "$*" >&2; exit 1; }

# Shows how the actual text differs from the expected file.
compare() {  # EXPECTED ACTUAL
  cmp -s "$1" "$2" && return 0
  diff -u "$1" "$2" | head -40 >&2
  return 1
}

cd "$dir" || fail "no directory $dir"
case $kind in
errors)
  "$promptbasic" check "$name.bas" >"$work/stdout" 2>"$work/stderr"
  status=$?
  [[ $status -eq 2 ]] || fail "check ended with status $status, expected 2"
  compare "$name.err" "$work/stderr" || fail "diagnostics differ"
  ;;
golden|runtime)
  "$promptbasic" build "$name.bas" --console -o "$work/program" 2>"$work/build" ||
    fail "build failed: $(cat "$work/build")"
  input=/dev/null
  [[ -f $name.in ]] && input=$name.in
  timeout 60 "$work/program" <"$input" >"$work/stdout" 2>"$work/stderr"
  status=$?
  if [[ $kind == golden ]]; then
    [[ $status -eq 0 ]] || fail "ended with status $status: $(head -5 "$work/stderr")"
    compare "$name.out" "$work/stdout" || fail "output differs"
  else
    [[ $status -eq 3 ]] || fail "ended with status $status, expected 3"
    compare "$name.err" "$work/stderr" || fail "standard error differs"
    if [[ -f $name.out ]]; then compare "$name.out" "$work/stdout" || fail "output differs"; fi
  fi
  ;;
*) fail "unknown kind $kind" ;;
esac
printf 'PASS %s %s\n' "$kind" "$name"
