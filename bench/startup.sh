#!/usr/bin/env bash
# Prints the Linux program's start-up beside its floor, a plain Qt dialog holding the same
# nineteen controls at the same geometry: CPU time of the whole process (start, first paint,
# idle, exit) and wall time from starting the process to the window's first paint, as medians
# over interleaved rounds and the median of the per-round ratios program / floor.
# Runs under a private Xvfb unless DISPLAY is set. Usage: bench/startup.sh [build dir] [rounds]
set -euo pipefail
build=${1:-build/release}
rounds=${2:-30}
probe="$build/bench/startup_probe_qt"
[[ -x $probe ]] || { echo "build $probe first (cmake --preset release && cmake --build --preset release --target startup_probe_qt)"; exit 1; }
source "$(dirname "$0")/startup_rounds.sh"

if [[ -z ${DISPLAY:-} ]]; then
    # Xvfb picks a free display number and writes it to the descriptor it is given.
    display_file=$(mktemp)
    # -noreset: a desktop's X server goes on when one client leaves, as its window manager
    # stays; a bare Xvfb would start itself afresh after the program's display check.
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$display_file" >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb; rm -f "$display_file"' EXIT
    for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$display_file")"
fi

# Sets painted_ms: from starting the process to its first paint.
time_to_paint() {
    local started painted
    started=$(now_us)
    painted=$("$probe" "$@" 2>/dev/null | awk '/^painted/ { print $2 }')
    painted_ms=$(awk -v p="$painted" -v s="$started" 'BEGIN { print (p - s) / 1000 }')
}

declare -A args=([program]="" [floor]="--floor")
cpu_program=() cpu_floor=() paint_program=() paint_floor=()
run_variant() {
    local variant=$1
    # shellcheck disable=SC2086 # the floor's one switch, or nothing
    run_counting_cpu "$probe" ${args[$variant]}
    # shellcheck disable=SC2086
    time_to_paint ${args[$variant]}
    local -n cpu=cpu_$variant paint=paint_$variant
    cpu+=("$cpu_ms") paint+=("$painted_ms")
}

"$probe" >/dev/null 2>&1 && "$probe" --floor >/dev/null 2>&1  # warm the file cache
for ((round = 0; round < rounds; round++)); do
    # Each goes first in every other round, so neither always meets a colder cache.
    if ((round % 2)); then order=(program floor); else order=(floor program); fi
    for variant in "${order[@]}"; do run_variant "$variant"; done
done

echo "$rounds interleaved rounds; CPU time from $cpu_source"
print_figure "CPU time" ms cpu_program cpu_floor
print_figure "wall time to first paint" ms paint_program paint_floor
