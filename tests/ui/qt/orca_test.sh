#!/usr/bin/env bash
# Debian's own Orca, end to end: started on this run's session bus and X server with a scratch
# home and no speech synthesiser, it logs what it would say; the main window, driven by
# announce_driver, must be heard saying each new result, and nothing for a Convert that the
# disclaimer stops.
# Usage (on a display and a session bus of its own, from cmake/headless.sh --bus): orca_test.sh DRIVER
set -euo pipefail
driver=$1
scratch=$(mktemp -d)
orca=""
trap '[ -z "$orca" ] || kill "$orca" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export XDG_RUNTIME_DIR=$scratch/run GSETTINGS_BACKEND=memory
mkdir -m 700 "$XDG_RUNTIME_DIR"
log=$scratch/orca.log

# Without a speech synthesiser or a braille display to talk to: Orca logs what it would say all
# the same, and starts at once.
orca --disable speech --disable braille --debug-file="$log" >/dev/null 2>&1 &
orca=$!
for _ in $(seq 200); do
    grep -q 'ORCA: Launching' "$log" 2>/dev/null && break
    sleep 0.1
done
grep -q 'ORCA: Launching' "$log" || { echo "FAIL: Orca did not start"; exit 1; }
# Its listeners are registered just after.
sleep 2
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$driver"
sleep 2
# Orca writes its log in blocks, the last at its end.
kill "$orca"
for _ in $(seq 50); do
    kill -0 "$orca" 2>/dev/null || break
    sleep 0.1
done
orca=""
said=$(grep -o "SPEECH OUTPUT: 'notification [^']*'" "$log" | sed "s/^SPEECH OUTPUT: //" || true)
echo "Orca said:"
grep -o "SPEECH OUTPUT: '[^']*'" "$log" | sed 's/^/  /' || true
wanted="'notification 1.133980925.'
'notification 1.133980925.'
'notification 1.81436948.'"
[ "$said" = "$wanted" ] || { echo "FAIL: the notifications were not the three results"; exit 1; }
