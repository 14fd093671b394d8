#!/usr/bin/env bash
# Prints the Linux program's start-up time beside a bare Qt dialog of the same size: the median
# over repeated runs of the time from entering main until the window is painted and until the
# event loop is idle, and of the whole process (start to exit) as hyperfine measures it.
# Runs under a private Xvfb unless DISPLAY is set. Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-30}
probe="$build/bench/startup_probe_qt"
[[ -x $probe ]] || { echo "build $probe first (cmake --preset release && cmake --build --preset release)"; exit 1; }

if [[ -z ${DISPLAY:-} ]]; then
    Xvfb :77 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    export DISPLAY=:77
    sleep 1
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for variant in program bare; do
    args=()
    [[ $variant == bare ]] && args=(--bare)
    painted=() idle=()
    for ((i = 0; i < runs; i++)); do
        read -r _ p _ _ d _ < <("$probe" "${args[@]}" 2>/dev/null)
        painted+=("$p") idle+=("$d")
    done
    printf '%-8s painted %6s ms   idle %6s ms   (median of %d, from entering main)\n' "$variant" \
        "$(printf '%s\n' "${painted[@]}" | median)" "$(printf '%s\n' "${idle[@]}" | median)" "$runs"
done

if command -v hyperfine >/dev/null; then
    hyperfine --warmup 3 --runs "$runs" -N --style basic "$probe" "$probe --bare" 2>/dev/null |
        grep -E "Benchmark|Time \(mean"
fi
