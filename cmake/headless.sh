#!/usr/bin/env bash
# The one way anything here gets a display of its own, never a developer's: a private X server
# (Xvfb, on a display number it picks itself), or a headless Wayland compositor, and where asked
# a session bus and a Wine prefix with its server. Whatever it starts, it ends.
#
#   headless.sh [--bus] [--wayland] [--wine PREFIX] -- COMMAND [ARGUMENT...]
#       runs COMMAND on a display of its own (DISPLAY, or WAYLAND_DISPLAY with --wayland), with
#       a session bus of its own with --bus, and with --wine a fresh Wine prefix (WINEPREFIX) for
#       it to run programs in with "headless.sh wine"; returns COMMAND's status.
#   headless.sh start PREFIX
#       a fresh Wine prefix PREFIX on an X server of its own, for programs run with "headless.sh
#       wine PREFIX" until "headless.sh stop PREFIX": the Windows tests' fixture.
#   headless.sh wine PREFIX PROGRAM [ARGUMENT...]
#       a Windows program in PREFIX, made on first use, on PREFIX's X server where it has one.
#       Wine's own chatter is silenced; the program's output and exit status are its own.
#   headless.sh stop PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# Starts Xvfb, writing its display number to the file given and its process id to stdout.
start_x() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1" >/dev/null 2>&1 &
    echo $!
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        kill -0 $! 2>/dev/null || break
        sleep 0.1
    done
    echo "headless.sh: Xvfb did not start" >&2
    return 1
}

# The prefix's Wine server, ended and waited for.
end_wine() {
    WINEPREFIX=$(realpath -m "$1") wineserver -k 2>/dev/null || true
    WINEPREFIX=$(realpath -m "$1") timeout 10 wineserver -w 2>/dev/null || true
}

case ${1:-} in
wine)
    export WINEPREFIX
    WINEPREFIX=$(realpath -m "$2")
    shift 2
    export WINEDEBUG=${TESSALY_WINEDEBUG:--all} WINEARCH=win64
    # No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -s "$WINEPREFIX.display" ]; then
        DISPLAY=:$(head -n 1 "$WINEPREFIX.display")
        export DISPLAY
    fi
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot --init >/dev/null 2>&1 || {
                echo "headless.sh: cannot make $WINEPREFIX" >&2
                exit 1
            }
            # Windows inside one desktop window that Wine draws itself, frames and all: with no
            # window manager on the X server, Wine would wait two seconds for one at every window
            # that closes.
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f \
                >/dev/null 2>&1
            wineserver --wait
        fi
        # One server for the whole run, ended by stop: a server that quits between two programs,
        # as it does after a few idle seconds, races the next program's start.
        wineserver --persistent 9>&- >/dev/null 2>&1 || true
    ) 9>"$WINEPREFIX.lock"
    exec wine "$@"
    ;;
start)
    prefix=$2
    # A Wine server left from an earlier run keeps its desktop on that run's display, and a
    # prefix left from one keeps what it installed.
    end_wine "$prefix"
    [ ! -f "$prefix.pid" ] || kill "$(cat "$prefix.pid")" 2>/dev/null || true
    rm -rf "$prefix" "$prefix.display" "$prefix.pid" "$prefix.lock"
    start_x "$prefix.display" >"$prefix.pid"
    # The prefix, its server and the services Wine keeps running, made here with no test's
    # output to hold open: a test waits for every process that holds its output.
    "$here/headless.sh" wine "$prefix" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
stop)
    prefix=$2
    # Wine's server, and the desktop it keeps on this display, go first.
    end_wine "$prefix"
    [ ! -f "$prefix.pid" ] || kill "$(cat "$prefix.pid")" 2>/dev/null || true
    rm -f "$prefix.display" "$prefix.pid"
    ;;
*)
    bus=false wayland=false prefix=""
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        case $1 in
        --bus) bus=true ;;
        --wayland) wayland=true ;;
        --wine) prefix=$2 && shift ;;
        *) echo "headless.sh: unknown option $1" >&2 && exit 2 ;;
        esac
        shift
    done
    [ "${1:-}" = -- ] && [ $# -gt 1 ] || {
        echo "usage: headless.sh [--bus] [--wayland] [--wine PREFIX] -- COMMAND..." >&2
        exit 2
    }
    shift
    work=$(mktemp -d)
    started=()
    finish() {
        [ -z "$prefix" ] || "$here/headless.sh" stop "$prefix"
        [ ${#started[@]} -eq 0 ] || kill "${started[@]}" 2>/dev/null || true
        rm -rf "$work"
    }
    trap finish EXIT
    # A session has a runtime folder of its own; without one Qt warns and falls back.
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    if $wayland; then
        unset DISPLAY
        export WAYLAND_DISPLAY=wayland-tessaly
        # Weston says when its shell is up; the command starts on that line, not after a pause.
        exec 3< <(weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" \
            --idle-time=0 --no-config 2>&1 & echo "pid $!")
        read -r -u 3 _ weston
        started+=("$weston")
        timeout 20 grep -q -m 1 "launching '.*weston-desktop-shell'" <&3 || {
            echo "headless.sh: weston did not start" >&2
            exit 1
        }
        cat <&3 >/dev/null &
    elif [ -n "$prefix" ]; then
        "$here/headless.sh" start "$prefix"
        export WINEPREFIX DISPLAY
        WINEPREFIX=$(realpath -m "$prefix")
        DISPLAY=:$(head -n 1 "$prefix.display")
    else
        unset WAYLAND_DISPLAY
        started+=("$(start_x "$work/display")")
        export DISPLAY=:$(head -n 1 "$work/display")
    fi
    if $bus; then
        address=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
        export DBUS_SESSION_BUS_ADDRESS
        DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$address")
        started+=("$(sed -n 2p <<<"$address")")
    fi
    status=0
    "$@" || status=$?
    exit "$status"
    ;;
esac
