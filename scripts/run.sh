#!/usr/bin/env bash
# Builds Tapwell and starts it under Wine. Without a display it starts Xvfb, takes a screenshot of the
# main window to build/screenshot.png and ends the program again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh"
exe="$root/build/win32/Tapwell.exe"

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-tapwell}
  source "$root/scripts/wine-env.sh"
  wine_env_up
  exec wine "$exe" "$@"
fi

source "$root/scripts/wine-env.sh"
wine_env_up
trap wine_env_down EXIT
# A virtual desktop gives the window its frame, so the picture looks as it would on Windows.
wine explorer /desktop=Tapwell,1024x768 "$exe" "$@" &
for _ in $(seq 100); do
  xdotool search --name "^Tapwell by Tovrin$" >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
xwd -root -silent | convert xwd:- "$root/build/screenshot.png"
echo "Tapwell ran on the virtual display $DISPLAY; screenshot: $root/build/screenshot.png"
wineserver -k 2>/dev/null || true
