#!/bin/sh
# Creates the build's 64-bit Wine prefix once; later runs reuse it.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    WINEARCH=win64 wineboot -i >/dev/null 2>&1
fi
wineserver -w
test -f "$WINEPREFIX/system.reg"
