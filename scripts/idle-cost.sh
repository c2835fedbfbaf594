#!/bin/sh
# Builds Kuvano.exe, the idle baseline and the idle_cost meter, then measures
# what Kuvano costs at rest under Wine against the baseline, one after the
# other, each in a Wine of its own in one prefix. Prints the figures.
#   scripts/idle-cost.sh [SETTLE_SECONDS [MEASURED_SECONDS]]
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

build_bench idle_cost Kuvano idle_baseline_win32

# A fresh folder: no settings file, so Kuvano shows its sidebar.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-idle-XXXXXX")
cleanup() {
    rm -rf "$scratch"
    stop_display
}
trap cleanup EXIT
cp "$windows/src/Kuvano.exe" "$windows/src/Kuvano.avi" "$windows/bench/idle_baseline_win32.exe" "$scratch/"

export WINEPREFIX="$windows/wineprefix"
ensure_display
"$repo/tests/wine/prepare-prefix.sh"
"$native/bench/idle_cost" "$scratch/idle_baseline_win32.exe" "$scratch/Kuvano.exe" "$@"
