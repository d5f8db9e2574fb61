#!/usr/bin/env bash
# Builds the web site and packs it as OUT/tessaly-<version>-web.zip, a folder to serve from any
# web server: two builds of one commit give the same bytes. Usage: package-web.sh OUT
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || { echo "usage: $0 OUT" >&2; exit 2; }
out=$(realpath -m "$1")
bash scripts/build-web.sh web_package
mkdir -p "$out"
cp build/web/tessaly-*-web.zip "$out/"
ls "$out"/tessaly-*-web.zip
