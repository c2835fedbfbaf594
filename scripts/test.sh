#!/bin/sh
# Builds everything and runs every test: the portable core natively with
# sanitizers, the folder survey's tests under ThreadSanitizer, then the
# Windows program and its tests under Wine, then a short run of each
# libFuzzer target. Ends with one CTest summary for all four.
set -eu
. "$(dirname "$0")/common.sh"

"$repo/scripts/install-deps.sh"
build_preset native
build_preset tsan
build_preset windows
build_preset fuzz

# One summary for the four builds.
printf 'subdirs("native" "tsan" "windows" "fuzz")\n' > "$build/CTestTestfile.cmake"

ensure_display
trap stop_display EXIT
status=0
ctest --test-dir "$build" --output-on-failure --timeout 600 || status=$?
exit $status
