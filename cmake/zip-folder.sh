#!/usr/bin/env bash
# Makes a zip of one folder holding the files and folders given (the Windows programs, the
# licence and a read-me; the web site), every entry with the same time stamp (SOURCE_DATE_EPOCH),
# in a fixed order, without the extra fields that carry owners and times, so that the same files
# give the same bytes.
# Usage: zip-folder.sh ZIP FOLDER-NAME EPOCH PATH...
set -euo pipefail
zip=$(realpath -m "$1") folder=$2 epoch=$3
shift 3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$folder"
cp -R "$@" "$stage/$folder/"
find "$stage/$folder" -exec touch -d "@$epoch" {} +
rm -f "$zip"
cd "$stage"
# shellcheck disable=SC2046 # names without spaces, in the order sort gives
TZ=UTC zip -q -X -D "$zip" $(find "$folder" -type f | LC_ALL=C sort)
