#!/bin/sh
# Runs an end-to-end program's tests on a desktop at 100 %, then those named
# AtOtherScales on the same desktop at 150 % and at 200 %.
#   each-scale.sh COMMAND...
set -eu
"$@" --gtest_filter=-AtOtherScales.*
for dpi in 144 192; do
    "$(dirname "$0")/at-dpi.sh" "$dpi" "$@" --gtest_filter=AtOtherScales.*
done
