#!/usr/bin/env bash
# Redraws docs/main-window.png and docs/disclaimer-window.png from the real program on a private
# X server: one conversion typed in, then the disclaimer window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages "${build_packages[@]}" xvfb xdotool imagemagick
cmake --preset app
cmake --build --preset app

display=:87
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp &
xvfb=$!
trap 'kill "$tessaly" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
build/app/ui/tessaly &
tessaly=$!
main=$(xdotool search --sync --onlyvisible --name '^Tessaly$' | head -n 1)

# Without a window manager the window sits at the screen's origin, so window coordinates work.
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.2; }
click 48 96                                 # Mass
click 120 194                               # the pair box
xdotool type --delay 20 "Pounds to Kilograms"
click 196 38                                # the value
xdotool type --delay 20 "2.5"
click 104 224                               # I Accept Disclaimer
click 200 92                                # Convert
import -window "$main" docs/main-window.png

click 52 228                                # Disclaimer
disclaimer=$(xdotool search --sync --onlyvisible --name '^Disclaimer$' | head -n 1)
import -window "$disclaimer" docs/disclaimer-window.png
echo "Wrote docs/main-window.png and docs/disclaimer-window.png"
