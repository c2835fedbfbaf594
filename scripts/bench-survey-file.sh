#!/bin/sh
# The surveys file at its largest (200,000 rows): into bytes and back
# natively, then the same and its write in one step under Wine, each side
# by side with a floor. Release builds, as the program ships.
#   scripts/bench-survey-file.sh
set -eu
. "$(dirname "$0")/common.sh"

build_bench survey_file_bench survey_file_bench_win32
folder=""
cleanup() {
    if [ -n "$folder" ]; then rm -rf "$folder"; fi
    stop_display
}
trap cleanup EXIT
prepare_bench_wine
folder=$(mktemp -d "${TMPDIR:-/tmp}/kuvano-bench-file-XXXXXX")
echo "== natively"
"$native/bench/survey_file_bench"
echo "== under Wine"
wine "$windows/bench/survey_file_bench_win32.exe" "$(windows_path "$folder")"
