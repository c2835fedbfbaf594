#!/bin/sh
# Builds everything and runs every test: the portable core natively with
# sanitizers, then the Windows program and its tests under Wine. Ends with
# one CTest summary for both.
set -eu
. "$(dirname "$0")/common.sh"

"$repo/scripts/install-deps.sh"
build_preset native
build_preset windows

# One summary for both builds.
printf 'subdirs("native" "windows")\n' > "$build/CTestTestfile.cmake"

ensure_display
trap stop_display EXIT
status=0
ctest --test-dir "$build" --output-on-failure --timeout 600 || status=$?
exit $status
