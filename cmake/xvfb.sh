#!/usr/bin/env bash
# Starts or ends the private X server on which the Windows tests' windows open under Wine, so
# that they never reach a developer's desktop, together with the Wine prefix STATE and its
# server. The display's number is written to STATE.display, where wine-run.sh finds it.
# Usage: xvfb.sh start|stop STATE
set -euo pipefail
state=$2
# Ends the prefix's Wine server and waits until it is gone.
end_wine() {
    WINEPREFIX=$(realpath -m "$state") wineserver -k 2>/dev/null || true
    WINEPREFIX=$(realpath -m "$state") timeout 10 wineserver -w 2>/dev/null || true
}
case $1 in
start)
    # A Wine server left from an earlier run keeps its desktop on that run's display.
    end_wine
    rm -f "$state.display" "$state.pid"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state.display" >/dev/null 2>&1 &
    echo $! >"$state.pid"
    for _ in $(seq 100); do
        if [ -s "$state.display" ]; then
            # The prefix, its server and the services Wine keeps running, started here with no
            # test's output to hold open: a test waits for every process that holds its output.
            bash "$(dirname "$0")/wine-run.sh" "$state" cmd /c exit </dev/null >/dev/null 2>&1
            exit 0
        fi
        kill -0 "$(cat "$state.pid")" 2>/dev/null || break
        sleep 0.1
    done
    echo "xvfb.sh: Xvfb did not start" >&2
    exit 1
    ;;
stop)
    # Wine's server, and the desktop it keeps on this display, go first.
    end_wine
    [ ! -f "$state.pid" ] || kill "$(cat "$state.pid")" 2>/dev/null || true
    rm -f "$state.display" "$state.pid"
    ;;
esac
