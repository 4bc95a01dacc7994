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

# What a user would have chosen: the key "a" (position 46 of the key list), no modifier, ten presses
# a tenth of a second apart, into whichever window has the focus.
set_setting "Settings 0" KeyIndexTobeAutomated 46
set_setting "Settings 0" ModKeyIndexTobeAutomated 0
set_setting "Settings 0" SetNumberOfClicksToAutomate 10
set_setting "Settings 0" AutoClicksDelayMilliSeconds 100

wine notepad.exe >/dev/null 2>&1 &
remote wait class:Notepad
remote move class:Notepad 40 330 617 240
wine "$exe" "$@" >/dev/null 2>&1 &
remote wait "Tapwell by Tovrin"
remote move "Tapwell by Tovrin" 40 30
# The focus goes to notepad, then Start is clicked the way a message from the button would click it,
# so that notepad keeps the focus and receives the keys.
remote focus class:Notepad
remote command "Tapwell by Tovrin" 1009
remote wait-text "Tapwell by Tovrin" 1016 "Keyed 10 Times"
sleep 1
shot "$root/build/screenshot.png"
echo "Tapwell keyed 10 times into notepad on the virtual display $DISPLAY; screenshot: $root/build/screenshot.png"
