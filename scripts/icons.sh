#!/usr/bin/env bash
# Redraws the icon's PNG sizes (installed for desktops) and the raw BGRA sizes (compiled into the
# program as its window icon, so start-up decodes no picture) from data/icons/tessaly.svg, in the
# sizes CMakeLists.txt lists.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" imagemagick
cmake --preset app
cmake --build --preset app --target icons
