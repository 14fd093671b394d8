#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz") and runs each in turn for a given time, starting from
# its committed seed corpus. What a run discovers goes to a scratch corpus in the build tree,
# so the committed seeds stay small; a crashing input lands in build/fuzz/findings/TARGET/.
#   fuzz/run.sh SECONDS [TARGET...]      run each target for SECONDS
#   FUZZ_RUNS=N fuzz/run.sh 0 [TARGET...]  run each target for N executions instead
# Fails when a target finds a fault. Prints each target's executions.
set -euo pipefail
cd "$(dirname "$0")/.."
# Builds use every processor of the machine unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}

if (($# < 1)); then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
((${#targets[@]})) || targets=(number_text_fuzz conversion_chain_fuzz registry_fuzz)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"

status=0
for target in "${targets[@]}"; do
    scratch=build/fuzz/corpus/$target
    findings=build/fuzz/findings/$target
    mkdir -p "$scratch" "$findings"
    log=build/fuzz/$target.log
    limits=(-max_total_time="$seconds")
    [[ -n ${FUZZ_RUNS:-} ]] && limits=(-runs="$FUZZ_RUNS")
    echo "== $target: ${FUZZ_RUNS:-$seconds s}${FUZZ_RUNS:+ executions}"
    if ! "build/fuzz/fuzz/$target" "${limits[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$scratch" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
        status=1
        echo "FAILED: $target found a fault; see $log and $findings/"
        grep -E "ERROR|SUMMARY|Test unit written" "$log" | head -5 || true
    fi
    grep -E "^stat::number_of_executed_units|^Done" "$log" || true
done
exit "$status"
