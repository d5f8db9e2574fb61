#!/usr/bin/env bash
# Builds Tessaly for Windows, cross-compiled with Debian's mingw-w64, and puts its two artefacts
# into OUT: the installer tessaly-<version>-x64.msi and the portable tessaly-<version>-win64.zip.
# SOURCE_DATE_EPOCH, by default the last commit's time, is the time both carry.
# Usage: scripts/package-windows.sh [OUT]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

out=$(realpath -m "${1:-build/windows-packages}")
need_packages cmake ninja-build g++-mingw-w64-x86-64-posix icoutils wixl msitools zip git
SOURCE_DATE_EPOCH=$(bash cmake/source-date-epoch.sh .)
export SOURCE_DATE_EPOCH
cmake --workflow --preset windows-release
mkdir -p "$out"
cp build/windows-release/tessaly-*-x64.msi build/windows-release/tessaly-*-win64.zip "$out/"
ls -l "$out"/tessaly-*
