#!/usr/bin/env bash
# Measures tessaly.exe under Wine: launch to its main window on screen against the bare Win32
# floor (bench/win32_floor.cpp), interleaved, in a Wine prefix and on an X server of its own;
# then the sizes of the two programs against the 2 MiB they may take. RUNS sets the measured
# runs of each program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows --target tessaly tessaly_console win32_floor win32_launch

work=$(mktemp -d)
trap 'bash cmake/headless.sh stop "$work/wine"; rm -rf "$work"' EXIT
bash cmake/headless.sh start "$work/wine"
wine=(bash cmake/headless.sh wine "$work/wine")
# The prefix is made, and Wine's desktop started, before anything is timed.
"${wine[@]}" build/windows/bin/tessaly.com --version >/dev/null

windows_path() { "${wine[@]}" winepath -w "$(realpath "$1")" 2>/dev/null | tr -d "\r"; }
echo "== launch to window under Wine ($(nproc) cores, $(wine --version 2>/dev/null))"
"${wine[@]}" build/windows/bench/win32_launch.exe "${RUNS:-30}" 3 \
    "floor=$(windows_path build/windows/bench/win32_floor.exe)" \
    "tessaly=$(windows_path build/windows/bin/tessaly.exe)"

echo
echo "== size (at most 2 MiB = 2097152 bytes)"
for program in build/windows/bin/tessaly.exe build/windows/bin/tessaly.com; do
    size=$(stat -c %s "$program")
    printf '%-12s %9d bytes  %5.1f %% of 2 MiB\n' "$(basename "$program")" "$size" \
        "$(awk "BEGIN { print 100 * $size / 2097152 }")"
done
