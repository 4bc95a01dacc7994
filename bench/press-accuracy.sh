#!/usr/bin/env bash
# Figures for runs of Tapwell's presses into the recorder under Wine, at a 10 ms and a 100 ms delay
# (500 presses each unless told otherwise): presses asked and delivered, the error of the interval
# between two presses against the delay (median, 99th percentile), Tapwell's CPU seconds per 1,000
# presses, its peak working set, and the time from launch to a visible main window.
# Figures only: nothing here passes or fails on time.
#
#   bench/press-accuracy.sh [presses] [delay ms]...
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/build.sh" || exit 1

source "$root/scripts/wine-env.sh"
wine_env_up
trap wine_env_down EXIT

presses=${1:-500}
[ $# -gt 0 ] && shift
delays=("$@")
[ ${#delays[@]} -gt 0 ] || delays=(10 100)

echo "Tapwell press accuracy under $(wine --version 2>/dev/null || echo Wine), display $DISPLAY"
wine "$root/build/win32/PressBench.exe" "$presses" "${delays[@]}"
