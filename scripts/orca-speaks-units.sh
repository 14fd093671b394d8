#!/usr/bin/env bash
# Listens to what the Orca screen reader says as the unit list's choice changes: builds the
# program, starts it on a private X server (Xvfb) under openbox with a D-Bus session, an AT-SPI
# bus and Orca of their own, moves the focus to the unit list, presses Down, Down, Up, End and
# Home there, and prints what Orca spoke after each key (from Orca's debug log, which records
# its speech whether or not a synthesizer is heard). Fails when a key's unit is not spoken.
# Slow (half a minute and more) and needs Orca: it is not part of the tests.
#   QUANTARO_PROGRAM=path  listens to that program instead of building build/release's
#   ORCA_LOG=path          keeps Orca's whole debug log there
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/install-deps.sh orca
program=${QUANTARO_PROGRAM:-build/release/src/programs/linux/quantaro}
if [[ -z ${QUANTARO_PROGRAM:-} ]]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target quantaro
fi
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    exec dbus-run-session -- "$0" "$@"
fi

source scripts/desktop_session.sh
# Orca keeps its settings under the user's folders: give it fresh ones, so its defaults speak.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
log=${ORCA_LOG:-$work/orca.log}
orca --replace --debug-file="$log" >/dev/null 2>&1 &
orca=$!
pids+=("$orca")
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 "$program" &
quantaro=$!
pids+=("$quantaro")

main=$(xdotool search --sync --onlyvisible --name '^Quantaro$' | head -1)
xdotool windowactivate --sync "$main"
sleep 3
# Tab from Convert past About and Exit to the value box, then to the unit list; then the keys
# that choose another unit, each given the time to be spoken.
xdotool key Tab Tab Tab Tab
sleep 3
keys=(Down Down Up End Home)
units=("Bits" "Bytes" "Bits" "Terrabytes (TB)" "Bits")
for key in "${keys[@]}"; do
    xdotool key "$key"
    sleep 2
done
# Orca writes its log in blocks; it is whole once Orca has ended.
kill -TERM "$orca"
for _ in $(seq 100); do
    kill -0 "$orca" 2>/dev/null || break
    sleep 0.1
done
kill "$quantaro"

# What Orca said after each key it was told of, up to the next key: the key's name on a line
# of its own, then its speech, and its complaints of what it could not speak.
said=$(awk '
    /^vvvvv PROCESS ATSPI_KEY_PRESSED_EVENT: / { split($0, quoted, "'\''"); print "key " quoted[2] }
    /SPEECH OUTPUT: .Screen reader off/ { exit }
    /SPEECH OUTPUT: |bad content sent to speak\(\)/ { sub(/^.* - /, ""); sub(/\{.*$/, ""); print }
' "$log")
heard_all=true
for i in "${!keys[@]}"; do
    # The speech after the (i+1)-th press of one of the unit keys, after the Tabs.
    heard=$(awk -v nth="$((i + 1))" '
        /^key / { in_keys = ($2 != "Tab"); if (in_keys) count++; next }
        in_keys && count == nth
    ' <<<"$said")
    echo "--- ${keys[i]} (chooses ${units[i]}):"
    echo "${heard:-(nothing)}"
    # Orca ends what it speaks with a full stop, unless it ends in a bracket.
    grep -qxF -e "SPEECH OUTPUT: '${units[i]}'" -e "SPEECH OUTPUT: '${units[i]}.'" <<<"$heard" ||
        heard_all=false
done
if [[ $heard_all != true ]]; then
    echo "Orca did not speak every unit chosen" >&2
    exit 1
fi
echo "Orca spoke every unit chosen"
