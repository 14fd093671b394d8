#!/usr/bin/env bash
# Runs programs of the Windows build under Wine; ctest uses it as the cross-compiling emulator.
# All state lives in SESSION_DIR (one per build tree): a Wine prefix, a home for Wine to write
# in instead of the caller's (wine-env.sh), and the X server that Wine's windows are drawn on
# when no DISPLAY is set.
#
#   wine-run.sh SESSION_DIR --start            fresh prefix and X server
#   wine-run.sh SESSION_DIR --stop             ends both and removes the prefix
#   wine-run.sh SESSION_DIR PROGRAM [ARGS...]  runs PROGRAM, returns its exit status
#
# ctest's wine_session fixture starts the session before the first Windows test and stops it
# after the last. By hand: --start, then any programs, then --stop. Nothing is installed into
# the prefix (no Mono, no Gecko).
set -euo pipefail

if (($# < 2)); then
    echo "usage: $0 SESSION_DIR --start | --stop | PROGRAM [ARGS...]" >&2
    exit 2
fi
session=$1
shift

source "$(dirname "$0")/wine-env.sh" "$session"

stop() {
    if [[ -d $WINEPREFIX ]]; then
        wineserver -k 2>/dev/null || true
    fi
    if [[ -s $session/xvfb.pid ]]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$WINEPREFIX" "$HOME" "$session/xvfb.pid" "$session/display"
}

case $1 in
--start)
    stop
    make_wine_home
    # Large enough for a window laid out at the highest resolution a screen can have (500 %).
    Xvfb -displayfd 3 -nolisten tcp -screen 0 2560x2048x24 3>"$session/display" \
        >/dev/null 2>&1 &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 100); do
        [[ -s $session/display ]] && break
        sleep 0.1
    done
    [[ -s $session/display ]] || { echo "wine-run.sh: Xvfb did not start" >&2; exit 1; }
    wineboot -i >/dev/null 2>&1
    # No window manager runs on this X server, so Wine's windows are left unmanaged: a managed
    # window would wait two seconds for a window manager's answer each time it hides.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    # One server for the whole session instead of one per program.
    wineserver -p >/dev/null 2>&1
    exit 0
    ;;
--stop)
    stop
    exit 0
    ;;
esac

[[ -d $WINEPREFIX ]] || { echo "wine-run.sh: no session in $session; run --start first" >&2; exit 1; }
if [[ -z ${DISPLAY:-} ]]; then
    export DISPLAY=":$(cat "$session/display")"
fi

# Wine starts its own helper processes (services, the desktop) from the first program that
# needs them, and they inherit its output. Were that ctest's pipe, ctest would wait for them as
# long as the session lasts; so the program writes to a file, which is shown when it ends.
output=$(mktemp "$session/output.XXXXXX")
status=0
wine "$@" >"$output" 2>&1 || status=$?
cat "$output"
rm -f "$output"
exit "$status"
