#!/usr/bin/env bash
# Makes the README's pictures from the real Tapwell.exe under Wine, on Xvfb in a fresh prefix, one
# small PNG each under docs/: the main dialog, the target selector during a pick, the random delay,
# simulation method and instance mode dialogs, and the tray menu. Each dialog is opened as a user
# opens it (its button or menu command); one that does not open is reported and left out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" win32
exe="$root/build/win32/Tapwell.exe"
docs="$root/docs"
mkdir -p "$docs"

unset WINEPREFIX DISPLAY
source "$root/scripts/wine-env.sh"
wine_env_up
trap wine_env_down EXIT
source "$root/scripts/desktop.sh"
desktop_up

app="Tapwell by Tovrin"
dialog="owned:$app"
IDC_TARGET=1021 IDC_SIGHT=1046 IDC_RANDOM_DELAY=1029 IDC_STATUS=1016 IDCANCEL=2
ID_CONTEXT_SIMULATION_SETTINGS=32778 IDC_INSTANCE_MODE_S=1036 WM_TRAYNOTIFY=0x0401 WM_RBUTTONUP=0x0205
missing=()

# The form with a delay of a quarter second and 50 presses.
set_letter_run 250 50

# Notepad is there to be picked as the target.
start_placed class:Notepad "570 60 400 220" notepad.exe
start_placed "$app" "20 20" "$exe"
remote focus "$app"
shot "$docs/main-dialog.png" $(remote rect "$app")
# Out of the way of the option dialogs' pictures, which open at the desktop's top left.
remote move "$app" 20 420

# Opens a dialog through a command of the main window, photographs it and closes it again.
dialog_shot() { # file command-id
  remote command "$app" "$2"
  if remote wait "$dialog" 5000 >/dev/null; then
    # Under Wine a dialog stays black until it has been moved once.
    remote move "$dialog" 30 30
    sleep 0.5
    shot "$1" $(remote rect "$dialog")
    remote command "$dialog" $IDCANCEL
    remote wait "$app" >/dev/null
    sleep 0.5
  else
    missing+=("$(basename "$1")")
  fi
}

# The target selector, while the sight is dragged over notepad's text.
remote command "$app" $IDC_TARGET
remote wait "$dialog"
remote move "$dialog" 20 20
read -r l t r b < <(remote rect "$dialog" $IDC_SIGHT)
read -r nl nt nr nb < <(remote rect class:Notepad)
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $(((l + r) / 2 + ((nl + nr) / 2 - (l + r) / 2) * step / 8)) \
    $(((t + b) / 2 + ((nt + nb) / 2 - (t + b) / 2) * step / 8))
  sleep 0.1
done
read -r dl dt dr db < <(remote rect "$dialog")
shot "$docs/target-selector.png" "$dl" "$dt" "$((nr > dr ? nr : dr))" "$((nb > db ? nb : db))"
# Dropped back on the selector itself, the sight picks nothing.
xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) mouseup 1
remote command "$dialog" $IDCANCEL
remote wait "$app" >/dev/null
sleep 0.5

dialog_shot "$docs/random-delay.png" $IDC_RANDOM_DELAY
dialog_shot "$docs/simulation-method.png" $ID_CONTEXT_SIMULATION_SETTINGS
dialog_shot "$docs/instance-mode.png" $IDC_INSTANCE_MODE_S

# The tray menu, opened by a right click on the icon at the desktop's bottom right corner.
xdotool mousemove 990 740
remote post "$app" $WM_TRAYNOTIFY 0 $WM_RBUTTONUP
remote wait class:#32768
read -r ml mt mr mb < <(remote rect class:#32768)
shot "$docs/tray-menu.png" $((ml - 160)) $((mt - 16)) 1024 768

ls -l "$docs"/*.png
if [ ${#missing[@]} -gt 0 ]; then
  echo "screenshots: these dialogs did not open, so their pictures were not made: ${missing[*]}" >&2
fi
