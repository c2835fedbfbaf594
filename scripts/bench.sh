#!/bin/sh
# Builds the benchmark programs and runs them on each tree shape in turn,
# a tree made natively for each: first the survey natively, a worker per
# core and one, against du and gdu, then under Wine, through Z:, the same
# two surveys against a bare FindFirstFileExW loop. Prints the figures.
#   scripts/bench.sh [SHAPE...]
# SHAPE is "files" (many files to few folders) or "folders" (many folders);
# both unless named. BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other
# build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

command -v gdu >/dev/null || apt-get install -y gdu
build_bench folder_survey_bench folder_survey_bench_win32

tree=""
cleanup() {
    if [ -n "$tree" ]; then rm -rf "$tree"; fi
    stop_display
}
trap cleanup EXIT
prepare_bench_wine

if [ $# -eq 0 ]; then set -- files folders; fi
for shape in "$@"; do
    tree=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-bench-tree-XXXXXX")
    echo "== $shape, natively: the survey through the POSIX lister, du and gdu"
    "$native/bench/folder_survey_bench" "$shape" "$tree"
    echo "== $shape, under Wine: the survey through DirectoryListerWin32, a worker per core and one, and a bare loop"
    wine "$windows/bench/folder_survey_bench_win32.exe" "Z:$(printf '%s' "$tree" | tr / '\\')"
    rm -rf "$tree"
    tree=""
done
