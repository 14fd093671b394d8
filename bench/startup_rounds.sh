# Shared by the start-up benchmarks (sourced, not run): the CPU time of one process, and the
# medians they print. Timings on a shared machine drift between minutes, so the scripts run the
# program and its floor interleaved, round by round, and compare medians of per-round ratios.

# CPU time comes from perf's task-clock where perf may count; otherwise from getrusage of the
# ended child, as bash's `times` reports it, in milliseconds.
if perf stat -x, -e task-clock -o /dev/null -- true >/dev/null 2>&1; then
    cpu_source="perf stat -e task-clock"
else
    cpu_source="getrusage of the child (bash times)"
fi

# The children's CPU seconds (user + system) so far. `times` has to run in this shell, not a
# subshell, whose children are its own.
children_cpu_seconds() {
    local file
    file=$(mktemp)
    times >"$file"
    tail -1 "$file" | awk '{ split($0, t, /[ms ]+/); print t[1] * 60 + t[2] + t[3] * 60 + t[4] }'
    rm -f "$file"
}

# Runs a command with its output discarded and sets cpu_ms to its CPU time.
run_counting_cpu() {
    if [[ $cpu_source == perf* ]]; then
        local counts
        counts=$(mktemp)
        perf stat -x, -e task-clock -o "$counts" -- "$@" >/dev/null 2>&1
        cpu_ms=$(awk -F, '/task-clock/ { print $1 }' "$counts")
        rm -f "$counts"
    else
        local before after
        before=$(children_cpu_seconds)
        "$@" >/dev/null 2>&1
        after=$(children_cpu_seconds)
        cpu_ms=$(awk -v a="$after" -v b="$before" 'BEGIN { print (a - b) * 1000 }')
    fi
}

# The wall clock in microseconds, as the probes print it.
now_us() {
    echo "${EPOCHREALTIME/./}"
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# "name of figure" "unit" then the program's and the floor's per-round values as two arrays'
# names: prints both medians and the median of the per-round ratios.
print_figure() {
    local -n program_values=$3 floor_values=$4
    local ratios=() i
    for i in "${!program_values[@]}"; do
        ratios+=("$(awk -v p="${program_values[i]}" -v f="${floor_values[i]}" 'BEGIN { print p / f }')")
    done
    printf '%-24s program %8.1f %-3s  floor %8.1f %-3s  ratio %.3fx\n' "$1" \
        "$(printf '%s\n' "${program_values[@]}" | median)" "$2" \
        "$(printf '%s\n' "${floor_values[@]}" | median)" "$2" \
        "$(printf '%s\n' "${ratios[@]}" | median)"
}
