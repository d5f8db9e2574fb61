#!/usr/bin/env bash
# Makes the portable zip: one folder holding the two programs, the licence and a read-me, every
# entry with the same time stamp (SOURCE_DATE_EPOCH), in a fixed order, without the extra
# fields that carry owners and times, so that the same programs give the same bytes.
# Usage: windows-zip.sh ZIP FOLDER-NAME EPOCH FILE...
set -euo pipefail
zip=$(realpath -m "$1") folder=$2 epoch=$3
shift 3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$folder"
cp "$@" "$stage/$folder/"
find "$stage/$folder" -exec touch -d "@$epoch" {} +
rm -f "$zip"
cd "$stage"
# shellcheck disable=SC2046 # names without spaces, in the order sort gives
TZ=UTC zip -q -X -D "$zip" $(find "$folder" -type f | LC_ALL=C sort)
