#!/bin/sh
# Builds the benchmark programs and runs them on one tree made natively:
# first the survey natively, a worker per core and one, against du and gdu,
# then under Wine, through Z:, the same two surveys against a bare
# FindFirstFileExW loop. Prints the figures.
#   scripts/bench.sh
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

command -v gdu >/dev/null || apt-get install -y gdu
build_bench folder_survey_bench folder_survey_bench_win32

tree=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-bench-tree-XXXXXX")
cleanup() {
    rm -rf "$tree"
    stop_display
}
trap cleanup EXIT

echo "== natively: the survey through the POSIX lister, du and gdu"
"$native/bench/folder_survey_bench" "$tree"

echo "== under Wine: the survey through DirectoryListerWin32, a worker per core and one, and a bare loop"
export WINEPREFIX="$windows/wineprefix"
ensure_display
"$repo/scripts/wine/prepare-prefix.sh"
wine "$windows/bench/folder_survey_bench_win32.exe" "Z:$(printf '%s' "$tree" | tr / '\\')"
