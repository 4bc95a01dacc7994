#!/usr/bin/env bash
# Builds Tapwell and writes what a Windows user downloads to dist/: the portable zip
# Tapwell-<version>.zip (Tapwell.exe and README.txt), the per-user installer
# Tapwell-<version>-setup.exe, their SHA256SUMS, and the manifests for winget (dist/winget/) and
# Scoop (dist/scoop/). The version is the project's, in CMakeLists.txt.
#
# The files' bytes depend only on the commit: two runs of the same commit give the same files
# (scripts/reproduce.sh shows it). Variables:
#   TAPWELL_SIGN_PFX, TAPWELL_SIGN_PASSWORD  a code-signing certificate (PKCS#12) and its password:
#                                            the program, the uninstaller and the setup are signed
#   TAPWELL_SIGN_TIMESTAMP_URL               an RFC 3161 time-stamp server for the signatures
#   TAPWELL_DOWNLOAD_URL                     where the files will be downloaded from, for the manifests
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
# Made afresh each time: the commit, the certificate or the download address may have changed.
rm -rf "$root/build/win32/dist"
BUILD_TARGET=tapwell_dist "$root/scripts/build.sh" win32
rm -rf "$root/dist"
cp -R "$root/build/win32/dist" "$root/dist"
if [ -z "${TAPWELL_SIGN_PFX:-}" ]; then
  echo "package: not signed (set TAPWELL_SIGN_PFX and TAPWELL_SIGN_PASSWORD to sign)"
fi
(cd "$root/dist" && cat SHA256SUMS)
