#!/bin/sh
# Creates the build's 64-bit Wine prefix once; later runs reuse it.
#  - Wine's own dialog font has no Japanese glyphs: captions use the IPA font.
#  - Q: is a CD drive, which Kuvano must never watch.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    WINEARCH=win64 wineboot -i >/dev/null 2>&1
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f >/dev/null 2>&1
    done
    mkdir -p "$WINEPREFIX/cdrom"
    ln -sfn "$WINEPREFIX/cdrom" "$WINEPREFIX/dosdevices/q:"
    wine reg add 'HKLM\Software\Wine\Drives' /v 'q:' /d cdrom /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
fi
# A run stopped while the desktop was at another scale leaves that scale behind.
if grep -q '"LogPixels"=' "$WINEPREFIX/user.reg" && ! grep -q '"LogPixels"=dword:00000060' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
fi
wineserver -w
test -f "$WINEPREFIX/system.reg"
