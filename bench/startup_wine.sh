#!/usr/bin/env bash
# Prints the Windows program's start-up time under Wine: the whole process, from start until its
# window is painted and the message loop is idle (QUANTARO_EXIT_WHEN_IDLE=1 ends it there), as
# hyperfine measures it, beside Wine's own floor (cmd.exe starting and ending at once) and its
# executable's size. Runs in a fresh Wine prefix with one Wine server kept up for all runs, on a
# private Xvfb unless DISPLAY is set; Wine's windows are left unmanaged.
# Usage: bench/startup_wine.sh [windows build dir] [runs]
set -euo pipefail
build=${1:-build/windows}
runs=${2:-20}
exe=$(realpath "$build/src/runtime/win32/quantaro.exe")
[[ -f $exe ]] || { echo "build $exe first (cmake --preset windows && cmake --build --preset windows)"; exit 1; }
command -v hyperfine >/dev/null || { echo "hyperfine is needed (apt-get install hyperfine)"; exit 1; }

export WINEPREFIX=$(mktemp -d /tmp/quantaro-bench-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
cleanup() {
    wineserver -k 2>/dev/null || true
    [[ -n ${xvfb:-} ]] && kill "$xvfb"
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
    Xvfb :78 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:78
    sleep 1
fi

wineserver -p
wineboot -i >/dev/null 2>&1
# Without a window manager, a managed window waits two seconds for one as it goes away.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
echo "quantaro.exe: $(stat -c %s "$exe") bytes"
QUANTARO_EXIT_WHEN_IDLE=1 hyperfine --warmup 3 --runs "$runs" -N --style basic \
    "wine $exe" "wine cmd.exe /c exit" 2>/dev/null | grep -E "Benchmark|Time \(mean"
