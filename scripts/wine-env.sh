# Sourced by the scripts that run Windows programs: a display and a Wine prefix, made here only when
# none is given, and a cleanup that ends only what was started here.
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
started_xvfb=""
started_prefix=""

wine_env_up() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/tapwell-wine.XXXXXX)
    started_prefix=$WINEPREFIX
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Debian's Wine looks for its own fonts in /usr/share/fonts/ (its data folder's "../fonts") while
  # fonts-wine puts them in /usr/share/wine/fonts: without them the caption buttons, drawn with
  # Marlett, show as letters and "MS Sans Serif" falls back to a wider font. Wine also reads the
  # prefix's own font folder.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ] && [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/* "$fonts/"
  fi
  # Keep the server up between the many short-lived test programs; it ends by itself once idle.
  wineserver -p30 2>/dev/null || true
}

wine_env_down() {
  if [ -n "$started_prefix" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$started_prefix"
  fi
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
  fi
}
