#!/usr/bin/env bash
# Builds Tessaly and runs every check headless: the test suite (with memcheck, static analysis and
# the install and package checks), the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the core and command-line tests cross-built for Windows and run
# under Wine, the same built for WebAssembly and run under node, and a bounded run of each fuzz
# target. Installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}"
# The page's accessibility checks, at the version the lock file pins, from the npm registry.
command -v npm >/dev/null || need_packages npm
npm ci --prefix tests/web --no-audit --no-fund
for preset in default asan windows web fuzz; do
    echo "== $preset"
    cmake --preset "$preset" -DTESSALY_ALL_CHECKS=ON
    cmake --build --preset "$preset"
    # Wine's prefix for the Windows tests is made afresh once each run, by the first test.
    [ "$preset" != windows ] || rm -rf build/windows/wine build/windows/wine.lock
    ctest --preset "$preset"
done
