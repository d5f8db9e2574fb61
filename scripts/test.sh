#!/usr/bin/env bash
# Builds Tessaly and runs every check headless: the test suite (with memcheck, static analysis and
# the install and package checks), the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the core and command-line tests cross-built for Windows and run
# under Wine, the same built for WebAssembly and run under node, and a bounded run of each fuzz
# target: one workflow preset each. Installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}"
# The page's accessibility checks, at the version the lock file pins, from the npm registry.
command -v npm >/dev/null || need_packages npm
npm ci --prefix tests/web --no-audit --no-fund
# A check whose tool is missing stops the run instead of being skipped.
export TESSALY_ALL_CHECKS=ON
for preset in default asan windows web fuzz; do
    echo "== $preset"
    cmake --workflow --preset "$preset"
done
