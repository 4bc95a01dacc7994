#!/bin/sh
# Runs one end-to-end test program under Wine for ctest. Its error output goes through a file: Wine
# hands that handle on to the desktop and service processes it starts for the program, which outlive
# it by seconds, and on the runner's own pipe they would keep ctest waiting that long after each case.
err=$(mktemp) || exit 1
wine "$@" 2>"$err"
status=$?
cat "$err" >&2
rm -f "$err"
exit $status
