#!/usr/bin/env bash
# swarmsim's command line: bad arguments end with status 2 and the usage on
# stderr; good ones print the particles or the circles in the stated format.
# Usage: swarmsim_test.sh PATH_TO_SWARMSIM
set -u
sim=$1
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expect_usage_error() {
  "$sim" "$@" >"$out" 2>"$err"
  local status=$?
  [[ $status -eq 2 ]] || fail "status $status, not 2, for: $*"
  [[ -s $out ]] && fail "output on stdout for: $*"
  [[ $(head -n1 "$err") == swarmsim:* ]] || fail "no message line for: $*"
  grep -q '^usage: swarmsim --program' "$err" || fail "no usage on stderr for: $*"
}

expect_usage_error
expect_usage_error --program
expect_usage_error --program swarm6
expect_usage_error --program swarm50 --program swarm5
expect_usage_error --program swarm50 --frames -1
expect_usage_error --program swarm50 --frames 1x
expect_usage_error --program swarm50 --frames ''
expect_usage_error --program swarm50 --frames 18446744073709551616
expect_usage_error --program swarm50 --frames 1 --frames 2
expect_usage_error --program swarm50 --seed 4294967296
expect_usage_error --program swarm50 --seed -2147483649
expect_usage_error --program swarm50 --seed abc
expect_usage_error --program swarm50 --seed
expect_usage_error --program swarm50 --seed 1 --seed 2
expect_usage_error --program swarm50 --draws --draws
expect_usage_error --program swarm50 --verbose
expect_usage_error --program swarm50 extra

"$sim" --help >"$out" 2>"$err" || fail "--help did not exit 0"
grep -q '^usage: swarmsim --program' "$out" || fail "--help printed no usage on stdout"

# Set-up from seed 1 draws 0.53204, 0.29195, 0.23977, 0.1119 first: group 0's
# corner is (399, 131) and particle 0 sits at 0.23977 * 50 + 399, 0.1119 * 50 + 131.
"$sim" --program swarm50 --seed 1 >"$out" || fail "seed 1 run failed"
expected=$(awk 'BEGIN { printf "0 1 %.17g %.17g 0 0 100 0 0", 0.23977 * 50 + 399, 0.1119 * 50 + 131 }')
[[ $(head -n1 "$out") == "$expected" ]] || fail "first particle: $(head -n1 "$out") instead of $expected"

number='-?[0-9]+(\.[0-9]+)?(e[-+][0-9]+)?'
for case in "swarm50 102" "swarm5 120"; do
  set -- $case
  "$sim" --program "$1" --seed -7 --frames 40 >"$out" || fail "$1 run failed"
  [[ $(wc -l <"$out") -eq $2 ]] || fail "$1: $(wc -l <"$out") lines, not $2"
  grep -Evq "^[0-9]+ [01]( $number){6} [01]\$" "$out" && fail "$1: a line out of format"
  awk '$1 != NR - 1 { exit 1 }' "$out" || fail "$1: indices not 0 to $(($2 - 1)) in order"
  # The 32-bit pattern decides: -7 and 4294967289 are the same seed.
  cmp -s "$out" <("$sim" --program "$1" --seed 4294967289 --frames 40) || fail "$1: -7 and 4294967289 differ"
done

# The circles of the last frame: one per live particle among 0..100, centred
# on the floor of its position.
"$sim" --program swarm50 --seed 3 --frames 25 >"$out"
"$sim" --program swarm50 --seed 3 --frames 25 --draws >"$err"
[[ $(wc -l <"$err") -eq 101 ]] || fail "swarm50 draws: $(wc -l <"$err") circles, not 101"
awk 'NR == FNR { x[$1] = $3; y[$1] = $4; next }
     $2 != int(x[$1]) || $3 != int(y[$1]) || $4 < 1 || $4 > 6 { exit 1 }' "$out" "$err" ||
  fail "swarm50 draws do not match the particles"
[[ -z $("$sim" --program swarm5 --seed 3 --draws) ]] || fail "draws printed with no frame run"

# A billion frames are accepted (the run is cut short; a refusal ends at once).
timeout 2 "$sim" --program swarm50 --frames 1000000000 >/dev/null 2>&1
[[ $? -eq 124 ]] || fail "--frames 1000000000 refused"

# Without --seed the seed comes from the clock: the run still places every particle.
[[ $("$sim" --program swarm5 | wc -l) -eq 120 ]] || fail "clock-seeded run"

[[ $failures -eq 0 ]] && echo "all swarmsim command-line checks passed"
exit $((failures > 0))
