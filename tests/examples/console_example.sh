#!/usr/bin/env bash
# Builds an example in console mode, runs it with its input piped in and
# compares what it prints, byte for byte, with the expected output; the
# program must end with status 0 and write nothing to stderr.
#
#   console_example.sh PROMPTBASIC EXAMPLE.bas INPUT EXPECTED [ARGS...]
set -euo pipefail
promptbasic=$1 source=$2 input=$3 expected=$4
shift 4

work=$(mktemp -d "${TMPDIR:-/tmp}/example.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$promptbasic" build "$source" --console -o "$work/program"
status=0
# The time limit only stops a program that hangs; it never decides a result.
timeout 60 "$work/program" "$@" <"$input" >"$work/out" 2>"$work/err" || status=$?
if ((status != 0)); then
  cat "$work/err" >&2
  echo "FAIL: $(basename "$source") ended with status $status" >&2
  exit 1
fi
if [[ -s $work/err ]]; then
  cat "$work/err" >&2
  echo "FAIL: $(basename "$source") wrote to stderr" >&2
  exit 1
fi
if ! cmp -s "$expected" "$work/out"; then
  diff -u "$expected" "$work/out" >&2 || true
  echo "FAIL: $(basename "$source") printed something else" >&2
  exit 1
fi
echo "$(basename "$source"): output as expected"
