#!/usr/bin/env bash
# Builds Tessaly and starts it; installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}"
cmake --preset app
cmake --build --preset app
if [ -x build/app/ui/tessaly ]; then
    exec build/app/ui/tessaly "$@"
fi
