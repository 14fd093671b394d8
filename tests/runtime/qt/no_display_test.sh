#!/usr/bin/env bash
# The Linux program started where no X display can be opened: one line that names the display,
# exit status 1, and no abort (which would be status 134 and a core dump).
#   no_display_test.sh PROGRAM
set -uo pipefail
program=$1
failures=0
output=$(mktemp)
trap 'rm -f "$output"' EXIT

# Each case: what it is, the message expected, then the environment changes.
check() {
    local situation=$1 expected=$2
    shift 2
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
        timeout 20 "$program" >"$output" 2>&1 || status=$?
    if [[ $status -ne 1 || $(cat "$output") != "$expected" ]]; then
        echo "FAILED: $situation: exit status $status, said:"
        sed 's/^/    /' "$output"
        failures=$((failures + 1))
    else
        echo "ok: $situation"
    fi
}

check "DISPLAY not set" "quantaro: cannot open a display: DISPLAY is not set"
check "DISPLAY empty, X asked for" "quantaro: cannot open a display: DISPLAY is not set" \
    DISPLAY= QT_QPA_PLATFORM=xcb
check "no server at DISPLAY" "quantaro: cannot open display ':937'" DISPLAY=:937
check "no server at DISPLAY, X asked for" "quantaro: cannot open display ':937'" \
    DISPLAY=:937 QT_QPA_PLATFORM=xcb
check "a DISPLAY that names nothing" "quantaro: cannot open display 'no such host'" \
    "DISPLAY=no such host"
exit $((failures > 0))
