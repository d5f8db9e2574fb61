#!/usr/bin/env bash
# Builds the Debian package from a copy of this working tree into OUT_DIR, without installing
# anything. SOURCE_DATE_EPOCH defaults to the last commit's time, so that two builds of the same
# tree give the same bytes wherever they run.
# Usage: build-deb.sh OUT_DIR
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(cd "$top" && dpkg-parsechangelog -S Version)
source_dir="$out/tessaly-$version"

SOURCE_DATE_EPOCH=$(bash "$top/cmake/source-date-epoch.sh" "$top")
export SOURCE_DATE_EPOCH

# The tracked files as they are now, uncommitted changes included; outside git, all but builds.
rm -rf "$source_dir"
mkdir -p "$source_dir"
if git -C "$top" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$top" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh \
        | tar --null -T - -cf -) | tar -xf - -C "$source_dir"
else
    tar -C "$top" --exclude=./build -cf - . | tar -xf - -C "$source_dir"
fi

(cd "$source_dir" && dpkg-buildpackage --build=binary --no-sign >"$out/build.log" 2>&1) || {
    tail -n 40 "$out/build.log" >&2
    echo "build-deb.sh: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
}
rm -rf "$source_dir"
ls "$out"/tessaly_"$version"_*.deb
