#!/bin/sh
# Runs one cross-built program under Wine, in the build's own prefix (CTest
# sets WINEPREFIX) and on the display the test command provides.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
: "${DISPLAY:?no X display: run the tests through scripts/test.sh, which starts Xvfb}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
