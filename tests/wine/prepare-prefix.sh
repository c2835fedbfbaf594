#!/bin/sh
# Creates the build's 64-bit Wine prefix once; later runs reuse it. Wine's
# own dialog font has no Japanese glyphs, so the prefix draws its captions
# with the IPA font instead.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    WINEARCH=win64 wineboot -i >/dev/null 2>&1
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1
    done
fi
wineserver -w
test -f "$WINEPREFIX/system.reg"
