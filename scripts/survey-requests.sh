#!/bin/sh
# Counts the wineserver requests per directory that a survey through the
# panel of the real Kuvano.exe makes, for each build named: the program
# surveys a tree of many folders once with WINEDEBUG=+server, which logs
# every request of every thread, and its process's requests are counted by
# name. Two trees of the same shape, one with twice the folders of the
# other, cancel what does not grow with the tree (the start, the windows,
# the quit): the difference over the difference in directories is printed.
#   scripts/survey-requests.sh REFERENCE.exe PROGRAM.exe...
# BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD name other build folders to use.
set -eu
. "$(dirname "$0")/common.sh"

small=100  # folders per first-level subfolder, 20 subfolders
if [ $# -lt 1 ]; then
    echo "usage: $0 REFERENCE.exe PROGRAM.exe..." >&2
    exit 2
fi
build_bench make_bench_tree panel_survey_timing_win32

scratch=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-requests-XXXXXX")
cleanup() {
    rm -rf "$scratch"
    stop_display
}
trap cleanup EXIT
prepare_bench_wine

for size in "$small" $((small * 2)); do
    "$native/bench/make_bench_tree" folders "$scratch/tree-$size" "$size" >/dev/null
done
count=0
for program in "$@"; do
    count=$((count + 1))
    own_copy "$scratch" "$count" "$program"
    for size in "$small" $((small * 2)); do
        wineserver -k 2>/dev/null || true
        wineserver -w
        WINEDEBUG=+server wine "$windows/bench/panel_survey_timing_win32.exe" 0 \
            "$(windows_path "$scratch/tree-$size")" "$(windows_path "$scratch/program-$count/Kuvano.exe")" \
            2>"$scratch/trace" >"$scratch/out"
        pid=$(sed -n 's/.*, process \([0-9a-f]*\),.*/\1/p' "$scratch/out")
        awk -v pid="$pid" -f "$repo/scripts/requests-of-process.awk" "$scratch/trace" \
            | sort >"$scratch/counts-$count-$size"
    done
    echo "program $count: $program"
done
wineserver -k 2>/dev/null || true

# 20 first-level subfolders of `small` more folders each in the larger tree.
directories=$((20 * small))
echo "wineserver requests per directory, over the $directories directories more of the larger tree:"
printf '%-32s' request
for i in $(seq "$count"); do printf ' %10s' "program $i"; done
echo
for i in $(seq "$count"); do
    join -a1 -a2 -e 0 -o 0,1.2,2.2 "$scratch/counts-$i-$small" "$scratch/counts-$i-$((small * 2))" \
        | awk -v n="$directories" -v i="$i" '{ printf "%s %d %.3f\n", $1, i, ($3 - $2) / n }'
done | awk -v programs="$count" '
    { perDirectory[$1, $2] = $3; names[$1] = 1 }
    END {
        for (name in names) {
            shown = 0
            for (i = 1; i <= programs; i++) if (perDirectory[name, i] + 0 >= 0.01 || perDirectory[name, i] + 0 <= -0.01) shown = 1
            if (!shown) continue
            printf "%-32s", name
            for (i = 1; i <= programs; i++) printf " %10.3f", perDirectory[name, i]
            printf "\n"
        }
    }' | sort
printf '%-32s' "all requests"
for i in $(seq "$count"); do
    join -a1 -a2 -e 0 -o 0,1.2,2.2 "$scratch/counts-$i-$small" "$scratch/counts-$i-$((small * 2))" \
        | awk -v n="$directories" '{ sum += $3 - $2 } END { printf " %10.3f", sum / n }'
done
echo
