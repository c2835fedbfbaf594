#!/bin/sh
# Builds the benchmark programs and runs them on one tree made natively:
# first the survey natively against du and find, then the survey under Wine,
# through Z:, against a bare FindFirstFileExW loop. Prints the figures.
#   scripts/bench.sh
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

build_bench folder_survey_bench folder_survey_bench_win32

tree=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-bench-tree-XXXXXX")
cleanup() {
    rm -rf "$tree"
    stop_display
}
trap cleanup EXIT

echo "== natively: the survey through the POSIX lister, du and find"
"$native/bench/folder_survey_bench" "$tree"

echo "== under Wine: the survey through DirectoryListerWin32 and a bare loop"
export WINEPREFIX="$windows/wineprefix"
ensure_display
"$repo/scripts/wine/prepare-prefix.sh"
wine "$windows/bench/folder_survey_bench_win32.exe" "Z:$(printf '%s' "$tree" | tr / '\\')"
