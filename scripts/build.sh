#!/usr/bin/env bash
# Configures and builds the three trees: host, host under sanitizers, and win32 (the product).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() { # dir, extra args...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

configure "$root/build/host"
configure "$root/build/host-sanitize" -DTAPWELL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release

for tree in host host-sanitize win32; do
  cmake --build "$root/build/$tree" -j "$jobs" -- --no-print-directory >/dev/null \
    || cmake --build "$root/build/$tree" -j 1
done
