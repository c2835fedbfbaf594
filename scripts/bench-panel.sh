#!/bin/sh
# Times a survey through the folder size panel of the real Kuvano.exe for
# two or more builds side by side under Wine, on each tree shape in turn:
# all builds run at once in the Wine desktop, each in a folder of its own,
# and survey the tree made natively, reached through Z:, from their history
# box, one after the other, five rounds after a warm-up each. Prints the
# medians and each build's against the first's.
#   scripts/bench-panel.sh REFERENCE.exe PROGRAM.exe...
# BENCH_SHAPES names the shapes ("files folders" unless set), BENCH_ROUNDS
# the rounds (more give a busy machine steadier figures);
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

rounds=${BENCH_ROUNDS:-5}
if [ $# -lt 2 ]; then
    echo "usage: $0 REFERENCE.exe PROGRAM.exe..." >&2
    exit 2
fi
build_bench make_bench_tree panel_survey_timing_win32

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-panel-XXXXXX")
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$scratch"
    stop_display
}
trap cleanup EXIT
prepare_bench_wine

programs=""
count=0
for program in "$@"; do
    count=$((count + 1))
    own_copy "$scratch" "$count" "$program"
    programs="$programs $(windows_path "$scratch/program-$count/Kuvano.exe")"
    echo "program $count: $program"
done
for shape in ${BENCH_SHAPES:-files folders}; do
    echo "== $shape"
    "$native/bench/make_bench_tree" "$shape" "$scratch/tree"
    # shellcheck disable=SC2086
    wine "$windows/bench/panel_survey_timing_win32.exe" "$rounds" "$(windows_path "$scratch/tree")" $programs
    wineserver -k 2>/dev/null || true
    wineserver -w
    rm -rf "$scratch/tree"
done
