#!/bin/sh
# Sets the build's Wine desktop to a display scale (96 DPI is 100 %, 192 is
# 200 %); Wine reads it when its server starts. With a command, runs it at
# that scale and then puts the desktop back at 100 % for the rest.
#   at-dpi.sh DPI [COMMAND...]
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
dpi=$1
shift
use_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w
}
use_dpi "$dpi"
if [ $# -eq 0 ]; then exit 0; fi
trap 'use_dpi 96' EXIT
"$@"
