#!/usr/bin/env bash
# Shows what a Linux screen reader learns of Quantaro: builds the program, starts it on a
# private X server (Xvfb) under openbox with an AT-SPI bus of its own, converts 1.5 gigabytes
# with the keyboard and prints the AT-SPI tree of both windows (the unit list described by its
# chosen entry, About by its title and version), and the description changes screen readers
# hear when another unit is chosen and converted.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/install-deps.sh accessibility
cmake --preset release >/dev/null
cmake --build --preset release --target quantaro
if [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
    exec dbus-run-session -- "$0" "$@"
fi

source scripts/desktop_session.sh
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8 build/release/src/programs/linux/quantaro &
pids+=($!)
tree() { /usr/bin/python3 scripts/accessibility/tree.py "$@"; }

main=$(xdotool search --sync --onlyvisible --name '^Quantaro$' | head -1)
xdotool windowactivate --sync "$main"
sleep 0.5
# Tab from Convert past About and Exit to the value box, then to the unit list, whose keyboard
# search picks "Gigabytes (GB)"; Enter converts.
xdotool key Tab Tab Tab
xdotool type --delay 50 '1.5'
xdotool key Tab g Return
sleep 1
echo "--- the converter window after converting 1.5 gigabytes (the unit list describes its choice):"
tree
echo "--- Home picks Bits in the unit list, Enter converts; screen readers hear the choice, then the entered box:"
tree --events sh -c 'sleep 1; xdotool key Home Return; sleep 1.5'
echo "--- the About window (Alt+A), described by its title and version:"
xdotool key alt+a
sleep 1
tree | sed -n "/name='About Quantaro'/,\$p"
