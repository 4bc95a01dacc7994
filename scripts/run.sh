#!/usr/bin/env bash
# Builds Tapwell and starts it under Wine. Without a display it shows the main job instead, on Xvfb
# in a fresh Wine prefix: Tapwell presses "a" ten times into Wine's notepad, and the picture of both
# windows afterwards goes to build/screenshot.png.
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

unset WINEPREFIX
source "$root/scripts/wine-env.sh"
wine_env_up
trap wine_env_down EXIT
source "$root/scripts/desktop.sh"
desktop_up

# What a user would have chosen: ten presses of "a" a tenth of a second apart, into whichever window
# has the focus.
set_letter_run 100 10

start_placed class:Notepad "40 330 617 240" notepad.exe
start_placed "Tapwell by Tovrin" "40 30" "$exe" "$@"
# The focus goes to notepad, then Start is clicked the way a message from the button would click it,
# so that notepad keeps the focus and receives the keys.
remote focus class:Notepad
remote command "Tapwell by Tovrin" 1009
remote wait-text "Tapwell by Tovrin" 1016 "Keyed 10 Times"
sleep 1
shot "$root/build/screenshot.png"
echo "Tapwell keyed 10 times into notepad on the virtual display $DISPLAY; screenshot: $root/build/screenshot.png"
