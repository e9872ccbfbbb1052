#!/usr/bin/env bash
# Installs a build of the project into a temporary prefix, checks the layout,
# and builds and runs a user's program against it with find_package(promptrt).
#
#   install_and_consume.sh BUILD_DIR [XCLOSE]
#
# With XCLOSE (and Xvfb), the program also opens its console window on a
# private X server and is closed like a user closes it.
set -euo pipefail
build=$1 xclose=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"

prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log"

for path in bin/swarm50 bin/swarm5 bin/swarmsim lib/libpromptrt.a \
            include/promptrt/runtime/core/startup.h include/promptrt/platform/platform.h \
            include/promptrt/platform/posix/win32.h \
            lib/cmake/promptrt/promptrtConfig.cmake lib/cmake/promptrt/promptrtConfigVersion.cmake; do
  [[ -e $prefix/$path ]] || e2e_fail "$path is not installed"
done
# The package must not point back into the source or build tree.
source_root=$(cd "$here/../.." && pwd)
if grep -rlF -e "$source_root" "$prefix/lib/cmake"; then
  e2e_fail "the installed package refers to the source tree"
fi

cmake -S "$here/consumer" -B "$E2E_TMP/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" >"$E2E_TMP/configure.log" ||
  { cat "$E2E_TMP/configure.log"; e2e_fail "the consumer does not configure"; }
cmake --build "$E2E_TMP/consumer" >"$E2E_TMP/build.log" 2>&1 ||
  { cat "$E2E_TMP/build.log"; e2e_fail "the consumer does not build"; }
"$E2E_TMP/consumer/consumer" || e2e_fail "the consumer's results are wrong"

# The installed promptbasic finds the installed library and headers by itself.
if [[ -x $prefix/bin/promptbasic ]]; then
  if grep -rlF -e "$source_root" "$prefix/lib/promptbasic"; then
    e2e_fail "the installed promptbasic refers to the source tree"
  fi
  printf 'x%% = 32767: x%% = x%% + 1\nPRINT "installed"; x%%; SQR(2)\n' >"$E2E_TMP/installed.bas"
  "$prefix/bin/promptbasic" build "$E2E_TMP/installed.bas" --console -o "$E2E_TMP/installed" ||
    e2e_fail "the installed promptbasic cannot build a program"
  output=$("$E2E_TMP/installed")
  [[ $output == "installed-32768  1.414213562373095 " ]] ||
    e2e_fail "the program built by the installed promptbasic printed '$output'"
  e2e_log "the installed promptbasic built a console program"
else
  e2e_fail "promptbasic is not installed"
fi

if [[ -n $xclose ]] && command -v Xvfb >/dev/null; then
  e2e_start_display
  e2e_start consumer "$E2E_TMP/consumer/consumer" window
  e2e_wait_window "BASIC PROMPT" "$E2E_LAST_PID" 60
  "$xclose" "$E2E_WINDOW"
  e2e_wait_exit "$E2E_LAST_PID" 30
  [[ $E2E_EXIT_CODE == 0 ]] || e2e_fail "the consumer's window ended with exit code $E2E_EXIT_CODE"
  e2e_log "the consumer's window opened and closed with exit code 0"
fi
e2e_log "PASS"
