#!/usr/bin/env bash
# Measures the page against its floor in headless Chromium (bench/web.py). RUNS sets the loads.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh
/usr/bin/python3 bench/web.py build/web/site "${RUNS:-30}"
