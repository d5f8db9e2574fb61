#!/usr/bin/env bash
# Builds Tessaly and runs every check headless: the test suite (with memcheck, static analysis and
# the install and package checks), the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded run of each fuzz target. Installs what a fresh
# Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}"
for preset in default asan fuzz; do
    echo "== $preset"
    cmake --preset "$preset" -DTESSALY_ALL_CHECKS=ON
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
