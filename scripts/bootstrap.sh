#!/usr/bin/env bash
# Installs what building and testing need on a Debian 12 machine (run as root). Quiet when all is there.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev
          g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
          wine wine32 wine64 xvfb xauth x11-apps xdotool imagemagick fonts-wine python3 nsis
          osslsigncode openssl 7zip python3-yaml yamllint)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(wine32)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "bootstrap: run as root to install packages" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" wine32:i386 >/dev/null
