#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of the build's own that the first call
# makes (a few seconds) and every later call, from any test, shares; the user's ~/.wine is never
# touched. Wine's own chatter is silenced; the program's output and exit status are its own.
# Usage: wine-run.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1")
shift
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1 || { echo "wine-run.sh: cannot make $WINEPREFIX" >&2; exit 1; }
        wineserver --wait
    fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
