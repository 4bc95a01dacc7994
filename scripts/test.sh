#!/usr/bin/env bash
# Builds everything and runs every suite: host, host under sanitizers, and the Windows tests under Wine.
# Ends with one line "N passed, N failed" summed over all suites.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh" || exit 1
"$root/scripts/build.sh" || { echo "0 passed, 1 failed"; exit 1; }

source "$root/scripts/wine-env.sh"
wine_env_up
trap wine_env_down EXIT

status=0
run_suite() { # tree, ctest args...
  local tree=$1; shift
  echo "== $tree"
  ctest --test-dir "$root/build/$tree" --output-on-failure --timeout 300 \
    --output-junit "$root/build/$tree/junit.xml" "$@" || status=1
}
run_suite host -j 2
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_suite host-sanitize -j 2
run_suite win32 -j 1

python3 "$root/scripts/junit-summary.py" "$root"/build/{host,host-sanitize,win32}/junit.xml
[ $status -eq 0 ]
