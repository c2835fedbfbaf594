#!/bin/sh
# Fuzzes each target for SECONDS (60 unless given), one after another, each
# on a scratch copy of its committed seeds, and prints what each did:
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Targets: settings_file_fuzz, survey_file_fuzz (all unless named). Each run's corpus, log and any crashing input stay in
# build/fuzz/runs/TARGET. Exits non-zero when a target crashed.
set -eu
. "$(dirname "$0")/common.sh"

seconds=${1:-60}
if [ $# -gt 0 ]; then shift; fi
targets=${*:-settings_file_fuzz survey_file_fuzz}

mkdir -p "$build"
if ! build_preset fuzz >"$build/fuzz-build.log"; then
    cat "$build/fuzz-build.log"
    exit 1
fi

failed=0
for target in $targets; do
    seeds="$repo/tests/fuzz/corpus/$target"
    if [ ! -d "$seeds" ]; then
        echo "$target: no such target" >&2
        exit 2
    fi
    run="$build/fuzz/runs/$target"
    rm -rf "$run"
    mkdir -p "$run/corpus"
    cp "$seeds"/* "$run/corpus/"
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$run/" \
        "$run/corpus" >"$run/log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run/log" | tail -n 1)
    progress=$(grep -E '^#[0-9]+.*cov: ' "$run/log" | tail -n 1)
    coverage=$(echo "$progress" | sed -n 's/.*cov: \([0-9]*\) ft: \([0-9]*\) corp: \([^ ]*\).*/cov \1, ft \2, corp \3/p')
    corpus=$(find "$run/corpus" -type f | wc -l)
    if [ "$status" -eq 0 ]; then
        verdict="no crash"
    else
        reason=$(grep -m 1 -E 'broken: |runtime error: |ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' "$run/log" || true)
        verdict="CRASHED (exit $status): $reason; input $(find "$run" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' \
            -o -name 'timeout-*' -o -name 'oom-*' \) | head -n 1), log $run/log"
        failed=1
    fi
    echo "$target: ${executions:-?} executions (limit ${seconds} s), ${coverage:-no coverage line}, $corpus files in the corpus; $verdict"
done
exit $failed
