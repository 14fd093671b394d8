#!/usr/bin/env bash
# Soak run of the real Linux program: its AddressSanitizer build on Xvfb under the openbox
# window manager, driven for a given time by random keys (printable, Tab, Enter, Escape,
# Alt+letters, arrows, Backspace, Ctrl+A/C/V) and random clicks inside its windows. Message
# boxes are answered by whatever comes next (Enter among it); Exit ends the program, and it is
# started again. Fails on a crash (any exit but 0), a sanitizer report, a hang (a window whose
# event loop does not answer _NET_WM_PING within 5 s), or a program left running without a
# window. Nothing the program starts may outlive a round: strays are ended and counted.
#   scripts/soak.sh SECONDS [SEED]
# Logs of a failed run stay in build/asan/soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
if (($# < 1)); then
    echo "usage: $0 SECONDS [SEED]" >&2
    exit 2
fi
seconds=$1
seed=${2:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed

cmake --preset asan >/dev/null
cmake --build --preset asan --target quantaro quantaro_ping >/dev/null
program=$PWD/build/asan/src/programs/linux/quantaro
ping=$PWD/build/asan/tests/soak/quantaro_ping
logs=$PWD/build/asan/soak
rm -rf "$logs"
mkdir -p "$logs/home"

pid=""
xvfb=""
wm=""
cleanup() {
    [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
    [[ -n $wm ]] && kill "$wm" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    return 0
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$logs/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
    [[ -s $logs/display ]] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$logs/display")"
openbox --sm-disable >"$logs/openbox.log" 2>&1 &
wm=$!
sleep 1

# Libraries below the toolkit keep some allocations for the life of the process.
printf '%s\n' leak:libfontconfig leak:libdbus leak:libX11 leak:libxcb leak:libglib \
    >"$logs/leaks.supp"
# Nothing the program could start is found by name, and its settings stay in the run's folder.
run_program() {
    setsid env -i DISPLAY="$DISPLAY" HOME="$logs/home" PATH=/nonexistent LANG=C.UTF-8 \
        QT_QPA_PLATFORM=xcb \
        ASAN_OPTIONS="detect_leaks=1:log_path=$logs/sanitizer" \
        LSAN_OPTIONS="suppressions=$logs/leaks.supp:print_suppressions=0" \
        UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$logs/sanitizer" \
        "$program" >>"$logs/program.log" 2>&1 &
    pid=$!
}

starts=0 actions=0 keys=0 clicks=0 pings=0 crashes=0 hangs=0 strays=0 reports=0

fail() {
    echo "soak: FAILED after $actions actions, seed $seed: $*" >&2
    echo "soak: logs in $logs" >&2
    summary
    exit 1
}
summary() {
    echo "soak: ${seconds}s seed $seed: starts $starts, actions $actions (keys $keys, clicks" \
        "$clicks), pings $pings, crashes $crashes, hangs $hangs, sanitizer reports $reports," \
        "strays ended $strays"
}

windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true
}

# Whatever the program started lives in its process group; it may not outlive the round.
end_strays() {
    local group=$1 stray
    for stray in $(pgrep -g "$group" 2>/dev/null || true); do
        [[ $stray == "$group" ]] && continue
        kill -KILL "$stray" 2>/dev/null && strays=$((strays + 1))
    done
}

check_reports() {
    if compgen -G "$logs/sanitizer.*" >/dev/null &&
        grep -qE "ERROR: |runtime error:" "$logs"/sanitizer.*; then
        reports=$((reports + 1))
        cat "$logs"/sanitizer.* >&2
        fail "a sanitizer report"
    fi
}

printable=(0 1 2 3 4 5 6 7 8 9 period comma minus plus E e space a z)
special=(Tab Tab shift+Tab Return Return Escape BackSpace Left Right Up Down Home End
         ctrl+a ctrl+c ctrl+v)
letters=(a b c e o s x y z)

end=$((SECONDS + seconds))
without_window=0
while ((SECONDS < end)); do
    if [[ -z $pid ]] || ! kill -0 "$pid" 2>/dev/null; then
        if [[ -n $pid ]]; then
            status=0
            wait "$pid" || status=$?
            end_strays "$pid"
            check_reports
            if ((status != 0)); then
                crashes=$((crashes + 1))
                tail -20 "$logs/program.log" >&2
                fail "the program ended with status $status"
            fi
        fi
        run_program
        starts=$((starts + 1))
        for _ in $(seq 200); do
            [[ -n $(windows) ]] && break
            sleep 0.05
        done
        without_window=0
        continue
    fi

    mapfile -t shown < <(windows)
    if ((${#shown[@]} == 0)); then
        # Between Exit and the end of the process there is a moment without windows.
        without_window=$((without_window + 1))
        ((without_window < 50)) || fail "the program runs on without a window"
        sleep 0.1
        continue
    fi
    without_window=0

    choice=$((RANDOM % 10))
    if ((choice < 3)); then
        window=${shown[RANDOM % ${#shown[@]}]}
        eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null || echo WIDTH=0)"
        if ((WIDTH > 2 && HEIGHT > 2)); then
            xdotool mousemove --window "$window" $((1 + RANDOM % (WIDTH - 2))) \
                $((1 + RANDOM % (HEIGHT - 2))) click 1 2>/dev/null || true
            clicks=$((clicks + 1))
        fi
    else
        if ((choice < 6)); then
            key=${printable[RANDOM % ${#printable[@]}]}
        elif ((choice < 9)); then
            key=${special[RANDOM % ${#special[@]}]}
        else
            key=alt+${letters[RANDOM % ${#letters[@]}]}
        fi
        xdotool key --clearmodifiers "$key" 2>/dev/null || true
        keys=$((keys + 1))
    fi
    actions=$((actions + 1))

    if ((actions % 10 == 0)); then
        for window in "${shown[@]}"; do
            answer=0
            "$ping" "$window" 5 || answer=$?
            pings=$((pings + 1))
            if ((answer == 1)) && kill -0 "$pid" 2>/dev/null; then
                hangs=$((hangs + 1))
                fail "window $window did not answer for 5 s"
            fi
        done
    fi
done

# The last round ends the way a user would end it, and must end cleanly too.
if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    end_strays "$pid"
    ((status == 0 || status == 143)) || fail "the program ended with status $status on SIGTERM"
fi
pid=""
check_reports
summary
