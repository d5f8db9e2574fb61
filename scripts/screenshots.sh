#!/usr/bin/env bash
# Redraws docs/main-window.png and docs/disclaimer-window.png from the real windows: one
# conversion typed in, then the disclaimer window. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" libgtest-dev
cmake --preset default
cmake --build --preset default --target screenshots
build/default/tools/screenshots docs
