#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks its control fields and file list.
# Usage: package_test.sh BUILD_DIR APP_ID "ICON_SIZES" PACKAGE_FILE VERSION
set -euo pipefail
build=$1
app_id=$2
IFS='; ' read -r -a icon_sizes <<<"$3"
package_file=$4
version=$5
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
package=$(find "$out" -maxdepth 1 -name 'tessaly_*.deb')
[ "$(basename "$package")" = "$package_file" ] || fail "package file: $package"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = tessaly ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
depends_names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//')
# Computed from the program's libraries, plus what it loads at run time.
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
    echo "$depends_names" | grep -qxF "$needed" || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sort)
expected=$(
    {
        echo ./usr/bin/tessaly
        echo ./usr/share/man/man1/tessaly.1
        echo "./usr/share/applications/$app_id.desktop"
        echo "./usr/share/metainfo/$app_id.metainfo.xml"
        echo "./usr/share/icons/hicolor/scalable/apps/$app_id.svg"
        for size in "${icon_sizes[@]}"; do
            echo "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        done
    } | sort
)
[ "$files" = "$expected" ] || fail "file list differs:
$(diff <(echo "$expected") <(echo "$files"))"
echo "$(basename "$package"): Depends: $depends"
