#!/usr/bin/env bash
# Builds the Debian package of Tessaly into build/package/; installs what a fresh Debian 12 lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${package_packages[@]}"
bash scripts/build-deb.sh build/package
