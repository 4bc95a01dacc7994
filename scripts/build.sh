#!/usr/bin/env bash
# Configures and builds the three trees: host, host under sanitizers, and win32 (the product).
# Names given as arguments (for example "win32") build only those trees; BUILD_TARGET=name builds only
# that target of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() { # dir, extra args...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(host host-sanitize win32)
for tree in "${trees[@]}"; do
  case $tree in
    host) configure "$root/build/host" ;;
    host-sanitize) configure "$root/build/host-sanitize" -DTAPWELL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug ;;
    win32) configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release ;;
    *) echo "build: no tree named $tree" >&2; exit 2 ;;
  esac
done

for tree in "${trees[@]}"; do
  cmake --build "$root/build/$tree" -j "$jobs" ${BUILD_TARGET:+--target "$BUILD_TARGET"} -- --no-print-directory >/dev/null \
    || cmake --build "$root/build/$tree" -j 1 ${BUILD_TARGET:+--target "$BUILD_TARGET"}
done
