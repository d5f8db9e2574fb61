#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of the build's own that the first call
# makes (a few seconds) and every later call, from any test, shares; the user's ~/.wine is never
# touched. Wine's own chatter is silenced; the program's output and exit status are its own.
# Usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=${TESSALY_WINEDEBUG:--all} WINEARCH=win64
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The tests' own X server, where one runs (xvfb.sh).
if [ -s "$WINEPREFIX.display" ]; then
    DISPLAY=:$(head -n 1 "$WINEPREFIX.display")
    export DISPLAY
fi
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1 || { echo "wine-run.sh: cannot make $WINEPREFIX" >&2; exit 1; }
        # Windows inside one desktop window that Wine draws itself, frames and all: with no
        # window manager on the X server, Wine would wait two seconds for one at every window
        # that closes.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
            >/dev/null 2>&1
        wineserver --wait
    fi
    # One server for the whole run, ended by xvfb.sh stop: a server that quits between two
    # programs, as it does after a few idle seconds, races the next program's start.
    wineserver --persistent 9>&- >/dev/null 2>&1 || true
) 9>"$WINEPREFIX.lock"
exec wine "$@"
