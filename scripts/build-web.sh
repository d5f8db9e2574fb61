#!/usr/bin/env bash
# Builds a target of the web preset, the site (web_site) unless told another, installing the
# Debian packages the site and its checks in a browser need. For the other scripts, which run it
# from the source folder. Usage: build-web.sh [TARGET]
set -euo pipefail
source scripts/packages.sh

need_packages cmake ninja-build emscripten zip git chromium chromium-driver python3-selenium
cmake --preset web >/dev/null
cmake --build --preset web --target "${1:-web_site}"
