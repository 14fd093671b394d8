#!/usr/bin/env bash
# The Linux program started where it has no display of any kind (no X server, no Wayland
# compositor, a platform Qt has no plugin for, a list of platforms whose only working one shows
# nothing): one line that names what is missing, exit status 1, and no abort (which would be
# status 134 and a core dump) and no run without a window (which would end in the timeout).
# And --version with nowhere to write it: status 1 and a message.
#   no_display_test.sh PROGRAM
set -uo pipefail
program=$1
failures=0
output=$(mktemp)
runtime=$(mktemp -d)  # a runtime folder where no compositor listens
trap 'rm -rf "$output" "$runtime"' EXIT

# Each case: what it is, the message expected, then the environment changes, then after "--"
# the program's arguments.
check() {
    local situation=$1 expected=$2
    shift 2
    local settings=() status=0
    while (($# > 0)) && [[ $1 != -- ]]; do
        settings+=("$1")
        shift
    done
    (($# > 0)) && shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        "${settings[@]}" timeout 20 "$program" "$@" >"$output" 2>&1 || status=$?
    if [[ $status -ne 1 || $(cat "$output") != "$expected" ]]; then
        echo "FAILED: $situation: exit status $status, said:"
        sed 's/^/    /' "$output"
        failures=$((failures + 1))
    else
        echo "ok: $situation"
    fi
}

missing="quantaro: no display to show the window on:"
no_x="$missing DISPLAY is not set"
dead_x="$missing the X display ':937' cannot be opened"
no_compositor="no Wayland compositor answers at '$runtime/gone'"

check "DISPLAY not set" "$no_x"
check "DISPLAY empty, X asked for" "$no_x" DISPLAY= QT_QPA_PLATFORM=xcb
check "no server at DISPLAY" "$dead_x" DISPLAY=:937
check "no server at DISPLAY, X asked for" "$dead_x" DISPLAY=:937 QT_QPA_PLATFORM=xcb
check "a DISPLAY that names nothing" "$missing the X display 'no such host' cannot be opened" \
    "DISPLAY=no such host"
check "no server at the -display given" "$dead_x" DISPLAY=:0 -- -platform xcb -display :937
check "a Wayland session whose compositor is gone" "$missing $no_compositor; DISPLAY is not set" \
    XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=gone XDG_RUNTIME_DIR="$runtime"
check "a Wayland session without XDG_RUNTIME_DIR" \
    "$missing XDG_RUNTIME_DIR, where a Wayland compositor is found, is not set; DISPLAY is not set" \
    -u XDG_RUNTIME_DIR XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=gone
check "Wayland asked for, no compositor" "$missing no Wayland compositor answers at '$runtime/wayland-0'" \
    QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$runtime"
check "-platform wayland, no compositor" "$missing $no_compositor" \
    DISPLAY=:0 WAYLAND_DISPLAY=gone XDG_RUNTIME_DIR="$runtime" -- -platform wayland
check "a platform Qt has no plugin for" "$missing Qt cannot start the platform 'bogus'" \
    QT_QPA_PLATFORM=bogus
check "X, else nothing to show, with X gone" "$dead_x" "QT_QPA_PLATFORM=xcb;offscreen" DISPLAY=:937

status=0
"$program" --version >/dev/full 2>"$output" || status=$?
if [[ $status -ne 1 || $(cat "$output") != "quantaro: cannot write to standard output: No space left on device" ]]; then
    echo "FAILED: --version to a full disk: exit status $status, said:"
    sed 's/^/    /' "$output"
    failures=$((failures + 1))
else
    echo "ok: --version to a full disk"
fi
exit $((failures > 0))
