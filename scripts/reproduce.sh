#!/usr/bin/env bash
# Shows that the release files depend on the commit alone: clones the current commit twice, into two
# folders of different names, runs scripts/package.sh in each, the second a minute after the first
# began, without the compiler cache, and compares the SHA-256 of Tapwell.exe, the zip and the setup.
# Ends with "reproducible" or names the files that differ (exit 1). Takes a few minutes: not for CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

started=0
for clone in "$work/first" "$work/second-clone"; do
  wait=$((started + 60 - $(date +%s)))
  if [ "$wait" -gt 0 ]; then sleep "$wait"; fi
  started=$(date +%s)
  git clone -q --no-local "$root" "$clone"
  git -C "$clone" checkout -q "$commit"
  echo "reproduce: packing $commit in $clone at $(date -u +%H:%M:%S)"
  # Unsigned: signatures differ from run to run.
  env -u TAPWELL_SIGN_PFX CCACHE_DISABLE=1 nice "$clone/scripts/package.sh" >/dev/null
  cp "$clone/build/win32/packaging/stage/Tapwell.exe" "$clone/dist/"
done

status=0
for file in Tapwell.exe $(cd "$work/first/dist" && ls Tapwell-*); do
  sums=$(sha256sum "$work/first/dist/$file" "$work/second-clone/dist/$file" | cut -d' ' -f1 | uniq)
  if [ "$(echo "$sums" | wc -l)" -eq 1 ]; then
    echo "same      $sums  $file"
  else
    echo "DIFFERENT $file"
    status=1
  fi
done
[ $status -eq 0 ] && echo "reproducible"
exit $status
