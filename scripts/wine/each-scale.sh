#!/bin/sh
# Runs an end-to-end program's tests on a desktop at 100 %, then those named
# At200Percent on the same desktop at 200 %.
#   each-scale.sh COMMAND...
set -eu
"$@" --gtest_filter=-At200Percent.*
exec "$(dirname "$0")/at-dpi.sh" 192 "$@" --gtest_filter=At200Percent.*
