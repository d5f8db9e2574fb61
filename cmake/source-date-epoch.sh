#!/usr/bin/env bash
# The one time that every reproducible artefact carries, in seconds since 1970: SOURCE_DATE_EPOCH
# where it is set; otherwise the last commit's; outside git, the newest release's in
# debian/changelog. CMake and the packaging scripts both read it here.
# Usage: source-date-epoch.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
elif epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    echo "$epoch"
else
    date -d "$(sed -n 's/^ -- .*>  //p' "$source_dir/debian/changelog" | head -n 1)" +%s
fi
