#!/usr/bin/env bash
# The Windows artefacts as a user receives them, under Wine: the MSI installed, installed again,
# replaced by a newer version and removed, leaving nothing behind; the zip unpacked into a folder
# with spaces and non-ASCII letters in its path; the programs' resources, their hardening, and
# the same bytes from a second build of the same sources in other folders.
# Usage: windows_package_test.sh SOURCE BUILD PREFIX ICON-SIZES EPOCH
# PREFIX is the tests' Wine prefix, EPOCH the SOURCE_DATE_EPOCH that BUILD was made with.
set -euo pipefail
source_dir=$1 build=$2 prefix=$3 icon_sizes=$4 epoch=$5
msi=$(ls "$build"/tessaly-*-x64.msi)
zip=$(ls "$build"/tessaly-*-win64.zip)
version=$(basename "$msi" | sed 's/^tessaly-\(.*\)-x64.msi$/\1/')
work=$(mktemp -d)

wine() { bash "$source_dir/cmake/headless.sh" wine "$prefix" "$@"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
# expect WANTED COMMAND...: the command's output, carriage returns dropped, must be WANTED.
expect() {
    local wanted=$1 got
    shift
    got=$("$@" 2>&1 | tr -d '\r') || fail "$* exited $?: $got"
    [ "$got" = "$wanted" ] || fail "$*: printed '$got', wanted '$wanted'"
}
# Through headless.sh like every Wine program here, so that none starts Wine without the display.
windows_path() { wine winepath -w "$1" 2>/dev/null | tr -d "\r"; }
c_drive=$(realpath -m "$prefix")/drive_c
installed="$c_drive/Program Files/Tessaly"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The Add/Remove Programs entries named Tessaly, one line "key version" each.
entries() {
    { wine reg query "$uninstall_key" 2>/dev/null || true; } | tr -d '\r' | { grep '{' || true; } |
        while read -r key; do
            if wine reg query "$key" /v DisplayName 2>/dev/null | grep -q 'REG_SZ *Tessaly'; then
                echo "$key $(wine reg query "$key" /v DisplayVersion | tr -d '\r' |
                    sed -n 's/.*REG_SZ *//p')"
            fi
        done
    true
}
# Everything of Tessaly's a user would see: files, shortcut, entries and registry keys.
leftovers() {
    find "$c_drive" -iname '*tessaly*' 2>/dev/null
    entries
    wine reg query 'HKLM\Software\Tessaly' >/dev/null 2>&1 && echo 'HKLM\Software\Tessaly'
    true
}
launch="$(windows_path "$build/bench/win32_launch.exe")"
# A failed run leaves no installation for the next one to trip over.
cleanup() {
    entries | cut -d' ' -f1 | sed 's/.*\\//' | while read -r code; do
        wine msiexec /x "$code" /qn || true
    done || true
    rm -rf "$work"
}
trap cleanup EXIT

# The system PATH, as a new process of Windows takes it from the registry.
system_path() {
    wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH |
        tr -d '\r' | sed -n 's/.*REG_[A-Z_]*SZ *//p'
}
# Its entries, one a line; Wine's msi leaves an empty one where it takes one off.
path_entries() { system_path | tr ';' '\n' | grep -v '^$' || true; }

echo "== install $(basename "$msi")"
[ -z "$(leftovers)" ] || fail "Tessaly is there before the install: $(leftovers)"
path_before=$(system_path) entries_before=$(path_entries)
wine msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i exited $?"
for file in tessaly.exe tessaly.com LICENSE.txt tessaly-completion.ps1; do
    [ -f "$installed/$file" ] || fail "no $installed/$file"
done
# PowerShell's completion is the script the program prints, with Windows' line ends.
cmp -s <(tr -d '\r' <"$installed/tessaly-completion.ps1") \
    <(wine "$installed/tessaly.com" --completion powershell | tr -d '\r') ||
    fail "tessaly-completion.ps1 is not what tessaly --completion powershell prints"
# All users' Start menu on Windows; Wine puts a per-machine shortcut in the user's.
find "$c_drive" -path '*/Start Menu/Programs/Tessaly.lnk' | grep -q . || fail "no Start-menu shortcut"
# Wine's msiexec can return a moment before the entry is in the registry.
for _ in $(seq 50); do
    [ "$(entries | wc -l)" != 1 ] || break
    sleep 0.1
done
[ "$(entries | wc -l)" = 1 ] || fail "Add/Remove Programs entries: $(entries)"
key=$(entries | cut -d' ' -f1)
[ "$(entries | cut -d' ' -f2)" = "$version" ] || fail "entry's version: $(entries)"
details=$(wine reg query "$key" | tr -d '\r')
for wanted in "Publisher *REG_SZ *The Tessaly developers" "HelpLink *REG_SZ *mailto:tessaly@"; do
    grep -q "$wanted" <<<"$details" || fail "the entry has no $wanted: $details"
done
expect "tessaly $version" wine 'C:\Program Files\Tessaly\tessaly.com' --version
# A command by its name alone, found on the PATH the installer extended.
[ "$(system_path)" = "$path_before;"'C:\Program Files\Tessaly\' ] ||
    fail "the system PATH after the install: $(system_path)"
expect "tessaly $version" wine cmd /c tessaly --version
expect 1.133980925 wine 'C:\Program Files\Tessaly\tessaly.com' --accept-disclaimer \
    'Pounds to Kilograms' 2.5
# Opens the window titled Tessaly, waits for it on screen, and closes it.
wine "$launch" 1 0 'installed=C:\Program Files\Tessaly\tessaly.exe' >/dev/null ||
    fail "the installed tessaly.exe showed no window titled Tessaly"

echo "== the same again, then a newer version"
wine msiexec /i "$(windows_path "$msi")" /qn || fail "a second msiexec /i exited $?"
[ "$(entries | wc -l)" = 1 ] || fail "after a second install: $(entries)"
newer=$(awk -v v="$version" 'BEGIN { split(v, p, "."); printf "%d.%02d", p[1], p[2] + 1 }')
(cd "$build" && bash "$source_dir/cmake/windows-msi.sh" "$work/newer.msi" "$newer" \
    "$(tr a-z A-Z </proc/sys/kernel/random/uuid)" "$source_dir/data/windows/environment.idt") ||
    fail "could not build a newer MSI"
wine msiexec /i "$(windows_path "$work/newer.msi")" /qn || fail "msiexec /i of $newer exited $?"
[ "$(entries | wc -l)" = 1 ] && [ "$(entries | cut -d' ' -f2)" = "$newer" ] ||
    fail "after installing $newer: $(entries)"

echo "== uninstall"
wine msiexec /x "$(entries | cut -d' ' -f1 | sed 's/.*\\//')" /qn || fail "msiexec /x exited $?"
[ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
[ "$(path_entries)" = "$entries_before" ] || fail "the system PATH after removal: $(system_path)"

echo "== the zip, unpacked into a folder with spaces and non-ASCII letters"
folder="$work/Programme für Alle"
mkdir "$folder"
unzip -q "$zip" -d "$folder"
unpacked=$(ls -d "$folder"/tessaly-*)
[ "$(ls "$unpacked" | tr '\n' ' ')" = \
    "LICENSE.txt README.txt tessaly-completion.ps1 tessaly.com tessaly.exe " ] ||
    fail "the zip holds: $(ls "$unpacked")"
cmp -s <(tr -d '\r' <"$unpacked/LICENSE.txt") "$source_dir/LICENSE" ||
    fail "LICENSE.txt is not the licence"
# Text files with Windows' line ends: every line ends in CR LF.
for text in LICENSE.txt README.txt tessaly-completion.ps1; do
    [ "$(grep -c $'\r$' "$unpacked/$text")" = "$(wc -l <"$unpacked/$text")" ] ||
        fail "$text has lines that do not end in CR LF"
done
expect "tessaly $version" wine "$unpacked/tessaly.com" --version
expect 1.133980925 wine "$unpacked/tessaly.exe" --accept-disclaimer 'Pounds to Kilograms' 2.5
[ -z "$(leftovers)" ] || fail "the zip's programs left: $(leftovers)"

echo "== resources"
for program in "$build/bin/tessaly.exe" "$build/bin/tessaly.com"; do
    version_text=$(wrestool -x --raw --type=16 "$program" | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
        tr '\0' '\n')
    for wanted in ProductName Tessaly FileVersion ProductVersion "$version" FileDescription; do
        grep -q -- "$wanted" <<<"$version_text" || fail "$program: no '$wanted' in its version"
    done
    # VS_FIXEDFILEINFO: signature, layout version, then 1.0 and 0.0 for file and product.
    wrestool -x --raw --type=16 "$program" | od -An -tx1 -v | tr -d ' \n' |
        grep -q 'bd04effe0000010000000100000000000000010000000000' ||
        fail "$program: the numeric version is not 1.0.0.0"
    sizes=$(wrestool -x --type=14 "$program" >"$work/icon.ico" && icotool -l "$work/icon.ico" |
        sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
    [ "$sizes" = "$(echo "$icon_sizes" | tr ' ' '\n' | sort -n | tr '\n' ' ')" ] ||
        fail "$program: icon sizes $sizes"
    manifest=$(wrestool -x --raw --type=24 "$program")
    for wanted in Microsoft.Windows.Common-Controls PerMonitorV2 asInvoker supportedOS; do
        grep -q "$wanted" <<<"$manifest" || fail "$program: no $wanted in its manifest"
    done
done

echo "== hardening"
for program in "$build/bin/tessaly.exe" "$build/bin/tessaly.com"; do
    headers=$(x86_64-w64-mingw32-objdump -p "$program")
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        grep -qw "$flag" <<<"$headers" || fail "$program lacks $flag: $(grep -A4 DllChar <<<"$headers")"
    done
    # Windows' own, every one: no C++ runtime, no threads library beside the program.
    for dll in $(sed -n 's/.*DLL Name: //p' <<<"$headers"); do
        case ${dll,,} in
        advapi32.dll | comctl32.dll | gdi32.dll | kernel32.dll | msvcrt.dll | user32.dll) ;;
        *) fail "$program needs $dll, which is not Windows' own" ;;
        esac
    done
done

echo "== the same bytes from other folders"
mkdir "$work/source"
git -C "$source_dir" ls-files -z --cached --others --exclude-standard | tar -C "$source_dir" --null -T - -cf - | tar -C "$work/source" -xf -
export SOURCE_DATE_EPOCH=$epoch
# As the release is built (scripts/package-windows.sh).
(cd "$work/source" && cmake --workflow --preset windows-release >/dev/null)
release=$work/source/build/windows-release
for artefact in bin/tessaly.exe bin/tessaly.com "$(basename "$zip")"; do
    cmp -s "$build/$artefact" "$release/$artefact" ||
        fail "$artefact differs between two builds: $(sha256sum "$build/$artefact" "$release/$artefact")"
    sha256sum "$release/$artefact" | sed "s|$release/||"
done
# wixl writes a random package code and the time of the build into the MSI's summary; say where.
differing() { cmp -l "$msi" "$release/$(basename "$msi")" || true; }
ranges=$(differing | awk '
    $1 != last + 1 { if (start) printf "%d-%d ", start - 1, last - 1; start = $1 }
    { last = $1 }
    END { if (start) printf "%d-%d", start - 1, last - 1 }')
echo "MSI: $(differing | wc -l) of $(stat -c %s "$msi") bytes differ, at offsets $ranges"
echo "all passed"
