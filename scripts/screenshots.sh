#!/usr/bin/env bash
# Remakes the README's screenshots from the real Linux program: builds it, starts it on a
# private X server (Xvfb) under the openbox window manager, drives it with xdotool and
# captures each window with ImageMagick's import into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
scripts/install-deps.sh screenshots
cmake --preset release >/dev/null
cmake --build --preset release --target quantaro

# The window manager draws the title bars the screenshots should show.
source scripts/desktop_session.sh
sleep 1
# A fixed, plain look: the Fusion style and the C locale's decimal point.
LC_ALL=C.UTF-8 QT_STYLE_OVERRIDE=Fusion build/release/src/programs/linux/quantaro &
pids+=($!)

main=$(xdotool search --sync --onlyvisible --name '^Quantaro$' | head -1)
xdotool windowactivate --sync "$main"
sleep 0.5
# Into the value box (clicked at its place in the layout, 96 dpi), then Tab to the unit
# list, whose keyboard search picks "Gigabytes (GB)" without opening it, and Enter converts.
xdotool mousemove --window "$main" 100 76 click 1
xdotool type --delay 50 '1.5'
xdotool key --delay 100 Tab g Return
sleep 0.5
import -window "$main" -frame docs/converter-window.png

xdotool key alt+a
about=$(xdotool search --sync --onlyvisible --name '^About Quantaro$' | head -1)
sleep 0.5
import -window "$about" -frame docs/about-window.png
echo "Screenshots: docs/converter-window.png docs/about-window.png"
