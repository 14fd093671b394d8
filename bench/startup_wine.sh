#!/usr/bin/env bash
# Prints the Windows program's start-up under Wine beside its floor, a bare Win32 dialog of the
# same nineteen controls (bare_dialog_win32.cpp): wall time from starting the process to its
# window being painted and idle, the process's peak resident memory, and its CPU time, as
# medians over interleaved rounds in one warm Wine session (cmake/wine-run.sh) and the median of
# the per-round ratios program / floor. The program runs as its start-up probe, which starts it
# as wWinMain does and ends there. Also prints both executables' sizes.
# Usage: bench/startup_wine.sh [windows build dir] [rounds]
set -euo pipefail
build=${1:-build/windows}
rounds=${2:-30}
exe=$(realpath "$build/src/programs/windows/quantaro.exe")
probe=$(realpath "$build/bench/startup_probe_win32.exe")
bare=$(realpath "$build/bench/bare_dialog_win32.exe")
[[ -f $exe && -f $probe && -f $bare ]] || { echo "build the windows preset first (cmake --preset windows && cmake --build --preset windows --target quantaro startup_probe_win32 bare_dialog_win32)"; exit 1; }
source "$(dirname "$0")/startup_rounds.sh"

run=$(realpath "$(dirname "$0")/../cmake/wine-run.sh")
session=$(mktemp -d /tmp/quantaro-bench-wine.XXXXXX)
trap '"$run" "$session" --stop; rm -rf "$session"' EXIT
"$run" "$session" --start

declare -A programs=([program]=$probe [floor]=$bare)
cpu_program=() cpu_floor=() paint_program=() paint_floor=() rss_program=() rss_floor=()
run_variant() {
    local variant=$1 started report
    run_counting_cpu "$run" "$session" "${programs[$variant]}"
    started=$(now_us)
    report=$("$run" "$session" "${programs[$variant]}") ||
        { echo "${programs[$variant]} failed: $report" >&2; exit 1; }
    local -n cpu=cpu_$variant paint=paint_$variant rss=rss_$variant
    cpu+=("$cpu_ms")
    paint+=("$(awk -v s="$started" '/^painted/ { print ($2 - s) / 1000 }' <<<"$report")")
    rss+=("$(awk '/^painted/ { print $4 / 1048576 }' <<<"$report")")
}

for _ in 1 2 3; do run_variant program; run_variant floor; done  # warm Wine up
cpu_program=() cpu_floor=() paint_program=() paint_floor=() rss_program=() rss_floor=()
for ((round = 0; round < rounds; round++)); do
    # Each goes first in every other round, so neither always meets a colder cache.
    if ((round % 2)); then order=(program floor); else order=(floor program); fi
    for variant in "${order[@]}"; do run_variant "$variant"; done
done

echo "quantaro.exe: $(stat -c %s "$exe") bytes; bare dialog: $(stat -c %s "$bare") bytes"
echo "$rounds interleaved rounds in one Wine session; CPU time from $cpu_source (of wine-run.sh and Wine's process, not the wineserver)"
print_figure "wall time to first paint" ms paint_program paint_floor
print_figure "peak resident memory" MB rss_program rss_floor
print_figure "CPU time" ms cpu_program cpu_floor
