#!/usr/bin/env bash
# Measures Tessaly's start-up against the bare-Qt floor, interleaved, on a private X server with
# its own session bus, then runs the core benchmark. RUNS sets the measured runs of each program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}" dbus-daemon
cmake --preset default >/dev/null
cmake --build --preset default --target tessaly startup_floor startup_harness core_benchmark

started=()
trap 'kill "${started[@]}" 2>/dev/null || true' EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "$!")
read -r -u 3 xvfb
read -r -u 3 display
started+=("$xvfb")
export DISPLAY=":$display"

# A bus of our own, so no program run auto-launches one and pays for it.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
started+=("$(echo "$bus" | sed -n 2p)")

# A session has a runtime directory; without one Qt warns and falls back on every start.
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"

echo "== start-up ($(nproc) cores, $(uname -m), Xvfb $DISPLAY)"
build/default/bench/startup_harness --runs "${RUNS:-30}" --warmup 3 --disclaimer \
    tessaly=build/default/ui/tessaly floor=build/default/bench/startup_floor
echo
echo "== core"
build/default/bench/core_benchmark --benchmark_min_time=0.2
