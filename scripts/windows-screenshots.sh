#!/usr/bin/env bash
# Redraws docs/windows-main-window.png (100 %) and docs/windows-main-window-200.png (200 %) from
# the Windows program's real window under Wine, with 2.5 pounds converted to kilograms, and
# docs/windows-check-box-focus.png (200 %), the same with the focus on the disclaimer box. Needs
# no display: Wine's desktop is drawn on a private X server and photographed there.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" "${test_packages[@]}" x11-apps imagemagick
cmake --preset windows >/dev/null
cmake --build --preset windows --target win32_screenshot

work=$(mktemp -d)
trap 'bash cmake/headless.sh stop "$work/wine"; rm -rf "$work"' EXIT
bash cmake/headless.sh start "$work/wine"
DISPLAY=:$(cat "$work/wine.display")
export DISPLAY WINEPREFIX=$work/wine
wine=(bash cmake/headless.sh wine "$work/wine")

for shot in 100 200 200:check1; do
    scale=${shot%%:*} argument=${shot#"$scale"}
    "${wine[@]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d $((96 * scale / 100)) /f >/dev/null 2>&1
    # Wine reads the DPI when its server starts.
    wineserver -k || true
    wineserver --wait || true
    "${wine[@]}" build/windows/tools/win32_screenshot.exe ${argument#:} >"$work/out" &
    for _ in $(seq 300); do
        grep -q ready "$work/out" 2>/dev/null && break
        sleep 0.1
    done
    sleep 1
    name=docs/windows-main-window$([ "$scale" = 100 ] || echo "-$scale").png
    [ "$shot" = "${shot%:check1}" ] || name=docs/windows-check-box-focus.png
    # The desktop is one colour; what is left after trimming it is the window.
    xwd -root -silent | convert xwd:- -trim +repage -strip "$name"
    echo "$name: $(identify -format '%wx%h' "$name")"
    wineserver -k || true
done
