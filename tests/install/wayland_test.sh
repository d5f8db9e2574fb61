#!/usr/bin/env bash
# Starts the built program on the Wayland compositor in WAYLAND_DISPLAY (cmake/headless.sh
# --wayland gives it a headless one of its own) with Qt's Wayland plugin, and reads the client's
# protocol log: a toplevel titled "Tessaly" that gets a buffer attached and committed. Then the
# screenshot driver, the same windows clicked by name, opens the disclaimer window: a second
# toplevel, titled "Disclaimer", drawn too.
# Usage: wayland_test.sh PROGRAM SCREENSHOTS
set -euo pipefail
program=$1
screenshots=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -n "${WAYLAND_DISPLAY:-}" ] || fail "no Wayland compositor: run this under headless.sh --wayland"
export QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client

# The titles each toplevel was given, and those of them whose surface then got a buffer and a
# commit, one a line: "titled Tessaly", "drawn Tessaly". Stops after the line given as "until".
toplevels='
        match($0, /get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+/) {
            split(substr($0, RSTART, RLENGTH), ids, /@/); sub(/,.*/, "", ids[2])
            surface[ids[2]] = ids[3] }
        match($0, /xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@[0-9]+/) {
            split(substr($0, RSTART, RLENGTH), ids, /@/); sub(/\..*/, "", ids[2])
            toplevel[ids[3]] = surface[ids[2]] }
        match($0, /xdg_toplevel@[0-9]+\.set_title\(".*"\)/) {
            split(substr($0, RSTART, RLENGTH), parts, /[@.(]/); name = $0
            sub(/.*set_title\("/, "", name); sub(/"\).*/, "", name)
            title[toplevel[parts[2]]] = name; print "titled " name; fflush() }
        match($0, /wl_surface@[0-9]+\.attach\(wl_buffer@/) {
            split(substr($0, RSTART, RLENGTH), parts, /[@.]/)
            if (parts[2] in title) attached[parts[2]] = 1 }
        match($0, /wl_surface@[0-9]+\.commit\(\)/) {
            split(substr($0, RSTART, RLENGTH), parts, /[@.]/)
            if (attached[parts[2]] && !drawn[parts[2]]++) {
                print "drawn " title[parts[2]]; fflush()
                if ("drawn " title[parts[2]] == until) exit } }
'

# The program itself, stopped once its main window is drawn.
mkfifo "$work/protocol"
"$program" 2>"$work/protocol" >/dev/null &
program_pid=$!
# mawk reads a pipe in whole blocks unless interactive, and would wait for a block the idle
# program never writes.
timeout 20 mawk -W interactive -v until="drawn Tessaly" "$toplevels" <"$work/protocol" \
    >"$work/main" || true
kill "$program_pid" 2>/dev/null || true
grep -qx "drawn Tessaly" "$work/main" || fail "the program drew no toplevel titled Tessaly"

timeout 30 "$screenshots" "$work" 2>&1 >/dev/null | mawk "$toplevels" >"$work/both" \
    || fail "the screenshot driver failed on Wayland"
for title in Tessaly Disclaimer; do
    grep -qx "drawn $title" "$work/both" || fail "no toplevel titled $title was drawn: $(cat "$work/both")"
done
[ -s "$work/main-window.png" ] && [ -s "$work/disclaimer-window.png" ] || fail "no pictures grabbed"
echo "on Wayland: the program drew its toplevel \"Tessaly\"; the disclaimer window opened as a" \
    "second toplevel, \"Disclaimer\", and was drawn"
