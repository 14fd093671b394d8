#!/usr/bin/env bash
# Prints the Windows program's start-up time under Wine: the whole process, from start until its
# window is painted and the message loop is idle (the start-up probe, which starts the program as
# its wWinMain does, ends there), as hyperfine measures it, beside Wine's own floor (cmd.exe starting and ending at once) and the
# executable's size. Both run in a fresh Wine session of the tests' kind (cmake/wine-run.sh).
# Usage: bench/startup_wine.sh [windows build dir] [runs]
set -euo pipefail
build=${1:-build/windows}
runs=${2:-20}
exe=$(realpath "$build/src/runtime/win32/quantaro.exe")
probe=$(realpath "$build/bench/startup_probe_win32.exe")
[[ -f $exe && -f $probe ]] || { echo "build the windows preset first (cmake --preset windows && cmake --build --preset windows)"; exit 1; }
command -v hyperfine >/dev/null || { echo "hyperfine is needed (apt-get install hyperfine)"; exit 1; }

run=$(realpath "$(dirname "$0")/../cmake/wine-run.sh")
session=$(mktemp -d /tmp/quantaro-bench-wine.XXXXXX)
trap '"$run" "$session" --stop; rm -rf "$session"' EXIT
"$run" "$session" --start

echo "quantaro.exe: $(stat -c %s "$exe") bytes"
hyperfine --warmup 3 --runs "$runs" -N --style basic \
    "$run $session $probe" "$run $session cmd.exe /c exit" 2>/dev/null | grep -E "Benchmark|Time \(mean"
