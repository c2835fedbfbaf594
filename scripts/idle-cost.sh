#!/bin/sh
# Builds Kuvano.exe, the two idle baselines and the idle_cost meter, then
# measures what Kuvano costs at rest under Wine against the baselines (one
# with Kuvano's timers alone, one that also makes the drive queries Kuvano
# must make), one after the other, each in a Wine of its own in one prefix.
# Prints the figures. Further Kuvano.exe files (an earlier build, say) are
# measured in the same run after this one.
#   scripts/idle-cost.sh [SETTLE_SECONDS [MEASURED_SECONDS [OTHER_KUVANO.exe...]]]
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

build_bench idle_cost Kuvano idle_baseline_win32 idle_work_baseline_win32

# A fresh folder: no settings file, so Kuvano shows its sidebar.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-idle-XXXXXX")
cleanup() {
    rm -rf "$scratch"
    stop_display
}
trap cleanup EXIT
cp "$windows/src/Kuvano.exe" "$windows/src/Kuvano.avi" "$windows/bench/idle_baseline_win32.exe" \
    "$windows/bench/idle_work_baseline_win32.exe" "$scratch/"
settle=${1:-10}
measured=${2:-60}
shift $(($# < 2 ? $# : 2))
# Each other build in a folder of its own, so that it too starts with no settings file.
others=""
count=0
for other in "$@"; do
    count=$((count + 1))
    mkdir "$scratch/other-$count"
    cp "$other" "$scratch/other-$count/Kuvano.exe"
    others="$others $scratch/other-$count/Kuvano.exe"
done

prepare_bench_wine
# shellcheck disable=SC2086
"$native/bench/idle_cost" "$settle" "$measured" "$scratch/idle_baseline_win32.exe" \
    "$scratch/idle_work_baseline_win32.exe" "$scratch/Kuvano.exe" $others
