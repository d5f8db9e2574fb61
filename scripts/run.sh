#!/usr/bin/env bash
# Builds Tessaly and starts it; installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}"
cmake --preset app
cmake --build --preset app
program=build/app/bin/tessaly
if [ ! -x "$program" ]; then
    echo "run.sh: the build finished but made no $program to start" >&2
    exit 1
fi
exec "$program" "$@"
