#!/usr/bin/env bash
# Builds Tessaly with its tests and runs them all headless; installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}"
cmake --preset default
cmake --build --preset default
ctest --preset default
