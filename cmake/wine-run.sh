#!/usr/bin/env bash
# Runs one program of the Windows build under Wine; ctest uses it as the cross-compiling
# emulator. All state lives in SESSION_DIR (one per build tree): a Wine prefix, and the X
# server that Wine's windows are drawn on when no DISPLAY is set.
#
#   wine-run.sh SESSION_DIR --start            fresh prefix and X server for one ctest run
#   wine-run.sh SESSION_DIR --stop             ends both and removes the prefix
#   wine-run.sh SESSION_DIR PROGRAM [ARGS...]  runs PROGRAM, returns its exit status
#
# A program run without --start first (by hand, or a test outside the session fixture) makes
# the prefix itself the first time and brings its own X server. A lock keeps --start and --stop
# from replacing the prefix under a running program: programs share it, the two take it alone.
# It does not install anything into the prefix (no Mono, no Gecko).
set -euo pipefail

if (($# < 2)); then
    echo "usage: $0 SESSION_DIR --start | --stop | PROGRAM [ARGS...]" >&2
    exit 2
fi
session=$1
shift
mkdir -p "$session"
prefix=$session/prefix

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

exec 9>"$session/lock"

# Starts Xvfb on a display it picks itself and writes the display's number to $1.
start_x_server() {
    local number_file=$1
    rm -f "$number_file"
    Xvfb -displayfd 8 -nolisten tcp -screen 0 1280x1024x24 8>"$number_file" 9>&- \
        >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
        if [[ -s $number_file ]]; then
            echo "$pid"
            return
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "wine-run.sh: Xvfb did not start" >&2
    return 1
}

# No window manager runs on the X server of the tests, so Wine's windows are left unmanaged:
# a managed window would wait two seconds for a window manager's answer each time it hides.
make_prefix() {
    rm -rf "$prefix"
    wineboot -i 9>&- >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f 9>&- >/dev/null 2>&1
    wineserver -w 9>&-
}

end_session() {
    if [[ -d $prefix ]]; then
        wineserver -k 9>&- 2>/dev/null || true
    fi
    if [[ -s $session/xvfb.pid ]]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null || true
    fi
    rm -rf "$prefix" "$session/xvfb.pid" "$session/display"
}

case $1 in
--start)
    flock -x 9
    end_session
    start_x_server "$session/display" >"$session/xvfb.pid"
    make_prefix
    # One server for the whole run instead of one per program.
    wineserver -p 9>&- >/dev/null 2>&1
    exit 0
    ;;
--stop)
    flock -x 9
    end_session
    exit 0
    ;;
esac

until flock -s 9 && [[ -d $prefix ]]; do
    flock -u 9
    flock -x 9
    [[ -d $prefix ]] || make_prefix
    flock -u 9
done

own_x_server=""
if [[ -z ${DISPLAY:-} ]]; then
    if [[ -s $session/xvfb.pid ]] && kill -0 "$(cat "$session/xvfb.pid")" 2>/dev/null; then
        export DISPLAY=":$(cat "$session/display")"
    else
        own_x_server=$(start_x_server "$session/display.$$")
        export DISPLAY=":$(cat "$session/display.$$")"
        trap 'kill "$own_x_server" 2>/dev/null; rm -f "$session/display.$$"' EXIT
    fi
fi

# Wine starts its own helper processes (services, the desktop) from the first program that
# needs them, and they inherit its output. Were that ctest's pipe, ctest would wait for them as
# long as the session lasts; so the program writes to a file, which is shown when it ends.
output=$(mktemp "$session/output.XXXXXX")
status=0
wine "$@" >"$output" 2>&1 9>&- || status=$?
cat "$output"
rm -f "$output"
exit "$status"
