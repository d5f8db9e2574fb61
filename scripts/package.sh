#!/usr/bin/env bash
# Builds the Debian package of Tessaly into build/package/; installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" dpkg-dev
cmake --preset app
cmake --build --preset app
cpack --preset deb
ls build/package/*.deb
