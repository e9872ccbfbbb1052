#!/usr/bin/env bash
# Runs a program that returns through the program epilogue 100 times; every
# run must end with status 0 and no sanitizer report.
set -euo pipefail
program=$1
runs=${2:-100}
err=$(mktemp)
trap 'rm -f "$err"' EXIT
for ((i = 1; i <= runs; i++)); do
  status=0
  "$program" >/dev/null 2>"$err" || status=$?
  if ((status != 0)) || grep -q "Sanitizer" "$err"; then
    cat "$err" >&2
    echo "FAIL: run $i of $runs ended with status $status" >&2
    exit 1
  fi
done
echo "$runs runs ended with status 0"
