#!/usr/bin/env bash
# Builds Tapwell and writes what a Windows user downloads to dist/: the portable zip
# Tapwell-<version>.zip (Tapwell.exe and README.txt) and the per-user installer
# Tapwell-<version>-setup.exe. The version is the project's, in CMakeLists.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" win32
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/win32/CMakeCache.txt")
mkdir -p "$root/dist"
rm -f "$root"/dist/Tapwell-*.zip "$root"/dist/Tapwell-*-setup.exe
for file in "Tapwell-$version.zip" "Tapwell-$version-setup.exe"; do
  cp "$root/build/win32/dist/$file" "$root/dist/$file"
done
ls -l "$root/dist"
