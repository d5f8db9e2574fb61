#!/usr/bin/env bash
# Builds the Debian package twice, from copies of the source tree in two different folders, and
# requires the same bytes both times (diffoscope shows what differs when they do not). Then checks
# the package as a packager would: lintian finds nothing, pedantic tags included; hardening-check
# finds every protection; the control fields and the file list are as expected.
# Usage: package_test.sh SOURCE_DIR APP_ID "ICON_SIZES" PACKAGE_FILE VERSION
set -euo pipefail
source_dir=$1
app_id=$2
IFS='; ' read -r -a icon_sizes <<<"$3"
package_file=$4
version=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

first="$work/first"
second="$work/elsewhere/second"
bash "$source_dir/scripts/build-deb.sh" "$first" >/dev/null
bash "$source_dir/scripts/build-deb.sh" "$second" >/dev/null
package="$first/$package_file"
[ -f "$package" ] || fail "no $package_file among: $(ls "$first")"
if ! cmp -s "$package" "$second/$package_file"; then
    diffoscope --text - "$package" "$second/$package_file" || true
    fail "two builds of the same tree differ"
fi
echo "$package_file: two builds in different folders are byte-identical"

tags=$(lintian -i -I --pedantic --fail-on error,warning,info,pedantic,experimental "$package" 2>&1 \
    | grep -v '^running with root privileges' || true)
[ -z "$tags" ] || fail "lintian:
$tags"
echo "lintian -i -I --pedantic: no tags"

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
window_library="usr/lib/$multiarch/tessaly/libtessaly-window.so"
dpkg-deb -x "$package" "$work/root"
hardening-check "$work/root/usr/bin/tessaly" "$work/root/$window_library" \
    || fail "hardening-check finds a protection missing"
# The command line maps no library of the window's toolkit.
LD_DEBUG=libs "$work/root/usr/bin/tessaly" --version >/dev/null 2>"$work/libs" \
    || fail "tessaly --version: $(cat "$work/libs")"
grep -q 'calling init: .*libc\.so' "$work/libs" || fail "LD_DEBUG traced nothing"
! grep 'libQt6' "$work/libs" || fail "the command line loads the toolkit"
echo "tessaly --version loads: $(grep -o 'calling init: [^ ]*' "$work/libs" | sed 's/.*\///' | sort -u | tr '\n' ' ')"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = tessaly ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends: $(field Recommends)"
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
        echo "./$window_library"
        echo ./usr/share/doc/tessaly/changelog.gz
        echo ./usr/share/doc/tessaly/copyright
        echo ./usr/share/man/man1/tessaly.1.gz
        echo ./usr/share/bash-completion/completions/tessaly
        echo ./usr/share/zsh/vendor-completions/_tessaly
        echo ./usr/share/fish/vendor_completions.d/tessaly.fish
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
echo "$package_file: Depends: $depends; Recommends: $(field Recommends)"
