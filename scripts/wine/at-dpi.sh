#!/bin/sh
# Runs a command with the build's Wine desktop at another scale, then puts
# the desktop back at 100 % for the rest of the suite. Wine reads the scale
# when its server starts.
#   at-dpi.sh DPI COMMAND...
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
dpi=$1
shift
use_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w
}
trap 'use_dpi 96' EXIT
use_dpi "$dpi"
"$@"
