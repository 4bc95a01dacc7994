# Sourced, after wine-env.sh and wine_env_up, by the scripts that show Tapwell (run.sh,
# screenshots.sh): every Wine program of the prefix opens in one virtual desktop, which gives the
# windows their frames as on Windows, and build/win32/Remote.exe acts on them from inside it.
desktop_size=1024x768

desktop_up() {
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Tapwell /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Tapwell /d "$desktop_size" /f >/dev/null 2>&1
}

# Remote.exe VERB WINDOW ...: see tests/e2e/remote/Remote.cpp.
remote() {
  wine "$root/build/win32/Remote.exe" "$@" 2>/dev/null | tr -d '\r'
  return "${PIPESTATUS[0]}"
}

# One setting of the first instance's section, as the program would have stored it.
set_setting() { # section value dword
  wine reg add "HKCU\\software\\Tov rin\\Tapwell by Tovrin\\$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1
}

# The form as a user would have filled it in: the key "a" (position 46 of the key list), no modifier,
# a delay in milliseconds and a number of presses.
set_letter_run() { # delay-ms presses
  set_setting "Settings 0" KeyIndexTobeAutomated 46
  set_setting "Settings 0" ModKeyIndexTobeAutomated 0
  set_setting "Settings 0" AutoClicksDelayMilliSeconds "$1"
  set_setting "Settings 0" SetNumberOfClicksToAutomate "$2"
}

# Starts a program in the background and moves its window into place once it is there.
start_placed() { # window "left top [width height]" program [arguments...]
  local window=$1 place=$2
  shift 2
  wine "$@" >/dev/null 2>&1 &
  remote wait "$window"
  # shellcheck disable=SC2086 # the place is four or two numbers
  remote move "$window" $place
}

# A picture of the virtual desktop, or of the part "left top right bottom" of it (padded a little,
# so that a window's shadowless frame stays whole).
shot() { # file [left top right bottom]
  local file=$1; shift
  sleep 0.5
  if [ $# -eq 4 ]; then
    local pad=2 left=$1 top=$2 right=$3 bottom=$4
    left=$((left > pad ? left - pad : 0)); top=$((top > pad ? top - pad : 0))
    xwd -root -silent | convert xwd:- -crop "$((right - left + pad))x$((bottom - top + pad))+$left+$top" \
      +repage -strip "$file"
  else
    xwd -root -silent | convert xwd:- -crop "${desktop_size}+0+0" +repage -strip "$file"
  fi
}
