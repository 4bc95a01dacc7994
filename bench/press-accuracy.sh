#!/usr/bin/env bash
# Figures for Tapwell's presses beside its peers, all typing the letter A into the recorder (a window
# that logs every key message with a time stamp) under Wine: a pacer on absolute deadlines of the
# performance counter, a bare SetTimer loop, xdotool, and Tapwell with its default settings and with
# no pause between key-down and key-up. Per run: presses delivered/asked, drift (mean interval minus
# delay), |interval - delay| median and 99th percentile, CPU seconds per 1,000 presses of the program
# itself and of the Wine server and the X server, and Tapwell's figures as ratios to the peers'.
# Tapwell's own rows in the same table: Ctrl+F5 with a 20 ms pause at 10 ms, 2000 presses (ctrl-f5),
# and the letter posted into the recorder as the picked window, default options, at 2 ms, alone and
# with Ctrl (picked), and eight copies of Tapwell at once, each its own letter every 10 ms, 500 presses,
# no pause (copies). These two rows use a recorder that only logs the key messages: one that showed
# them and read the modifiers would fall behind.
# Then the holds (key-up minus key-down) of 300 presses with a 5 ms pause at 20 ms while three busy
# loops take every processor (load), the main window's answer time during a run with a 5 s pause,
# Tapwell's wake-ups while idle in the tray, its start-up time and memory, and Tapwell at 1 ms without
# a pause under a keyboard hook taking 3 ms per key event: its answer time and how soon a click
# posted to Stop ends the presses (slow-hook). Figures only: nothing here passes or fails on time.
#
#   bench/press-accuracy.sh [<delay ms>x<presses>]... [ctrl-f5] [picked] [copies] [load] [answer] [idle]
#                           [startup] [slow-hook]
#   TAPWELL_EXE=<another build's Tapwell.exe> bench/press-accuracy.sh ...
#
# Without arguments: 10x2000 100x300 ctrl-f5 picked copies load answer idle startup slow-hook (about eight
# minutes). The machine's load is printed before and after: figures taken on a busy machine are noisy.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/win32"

if ! command -v xdotool >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo -n"
  $sudo apt-get install -y xdotool >/dev/null 2>&1 ||
    { $sudo apt-get update >/dev/null 2>&1 && $sudo apt-get install -y xdotool >/dev/null 2>&1; } ||
    echo "xdotool could not be installed: its rows stay empty" >&2
fi

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target tapwell_press_bench >/dev/null || exit 1

source "$root/scripts/wine-env.sh"
wine_env_up
requests=$(mktemp -d /tmp/tapwell-bench.XXXXXX)
server=""
cleanup() {
  touch "$requests/stop"
  [ -n "$server" ] && wait "$server" 2>/dev/null
  rm -rf "$requests"
  wine_env_down
}
trap cleanup EXIT

# The Linux id of the first process with this name whose environment has this entry.
find_process() { # name, environment entry
  local pid
  for pid in $(pgrep -x "$1"); do
    if { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "$2"; then
      echo "$pid"
      return
    fi
  done
}

# The X server of this display: its first argument is the display.
find_x_server() {
  local pid
  for pid in $(pgrep -x Xvfb); do
    if [ "$(tr '\0' '\n' <"/proc/$pid/cmdline" | sed -n 2p)" = "$DISPLAY" ]; then
      echo "$pid"
      return
    fi
  done
}

# CPU seconds of the children a subshell ran, from the second line of `times` ("0m0.180s 0m0.050s").
children_cpu_seconds() {
  sed -n 2p | tr 'ms' '  ' | awk '{ printf "%.3f\n", $1 * 60 + $2 + $3 * 60 + $4 }'
}

# Runs xdotool whenever PressBench asks for it (a file "xdotool.request" holding "<delay ms> <presses>"),
# into the focused window, and answers with xdotool's CPU seconds in "xdotool.result".
serve_xdotool() {
  while [ ! -e "$requests/stop" ]; do
    if [ -e "$requests/xdotool.request" ]; then
      read -r delay presses <"$requests/xdotool.request"
      rm -f "$requests/xdotool.request"
      # Wine does not give the X input focus to its foreground window when no window manager runs.
      xdotool search --onlyvisible --name '^Tapwell Recorder$' windowfocus --sync >/dev/null 2>&1
      (xdotool key --delay "$delay" --repeat "$presses" --repeat-delay 0 a; times) | children_cpu_seconds \
        >"$requests/xdotool.result.part"
      mv "$requests/xdotool.result.part" "$requests/xdotool.result"
    fi
    sleep 0.05
  done
}

BENCH_WINESERVER_PID=$(find_process wineserver "WINEPREFIX=$WINEPREFIX")
[ -n "$BENCH_WINESERVER_PID" ] || BENCH_WINESERVER_PID=$(find_process wineserver64 "WINEPREFIX=$WINEPREFIX")
BENCH_XVFB_PID=$(find_x_server)
export BENCH_WINESERVER_PID BENCH_XVFB_PID
if command -v xdotool >/dev/null; then
  export BENCH_XDOTOOL_DIR=$requests
  serve_xdotool &
  server=$!
fi

echo "Tapwell press benchmark under $(wine --version 2>/dev/null || echo Wine), display $DISPLAY," \
  "wineserver ${BENCH_WINESERVER_PID:-not found}, Xvfb ${BENCH_XVFB_PID:-not found}"
echo "load before: $(uptime)"
wine "$build/PressBench.exe" "$@"
status=$?
echo "load after:  $(uptime)"
exit $status
