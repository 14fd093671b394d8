#!/usr/bin/env bash
# Drives the Windows program under Wine as a desktop user would: Wine's default graphics
# settings (its windows managed by the window manager) on a private X server under openbox.
# About is opened, the converter window clicked to the front, About clicked again, then the
# converter window clicked, a value typed and converted. Checks that About shown again is the
# window manager's active window too, and that the conversion reaches the converter window (its
# Gigabytes box is highlighted). Takes about a minute; needs a built build/windows.
#
#   bash scripts/wine-about-again.sh [PROGRAM.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/windows/src/programs/windows/quantaro.exe}")
source scripts/desktop_session.sh
source cmake/wine-env.sh "$work"
make_wine_home
wineboot -i >/dev/null 2>&1
wineserver -w
stopWine() { WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; cleanup; }
trap stopWine EXIT

active() { printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')"; }
# Clicks a point of a window's client area (pixels at 96 dpi) and lets both sides settle.
clickAt() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 1.5
}
fail() {
    import -window root "${SHOT:-/tmp}/wine-about-again.png"
    echo "wine-about-again: $1 (screen: ${SHOT:-/tmp}/wine-about-again.png)" >&2
    exit 1
}

wine "$program" >/dev/null 2>&1 &
main=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quantaro$' | head -1) || true
[[ -n $main ]] || fail "the converter window did not appear"
sleep 1.5
clickAt "$main" 212 360 # About
about=$(timeout 30 xdotool search --sync --onlyvisible --name '^About Quantaro$' | head -1) || true
[[ -n $about ]] || fail "About did not open"
clickAt "$main" 140 360 # the converter window, beside its buttons
[[ $(active) == "$main" ]] || fail "the converter window clicked did not become active"
clickAt "$main" 212 360 # About again
[[ $(active) == "$about" ]] || fail "About shown again is not the window manager's active window"
clickAt "$main" 140 360
clickAt "$main" 208 76 # the value box
xdotool type --delay 50 '1.5'
xdotool key Tab g Return
sleep 1.5
# The box of the unit entered is highlighted in red.
colour=$(import -window "$main" -crop 1x1+248+273 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
[[ $colour == "#FF0000" ]] || fail "no conversion reached the converter window (box colour $colour)"
echo "wine-about-again: About shown again is active on both sides; the converter window converts"
