#!/bin/sh
# Builds Kuvano.exe and starts it under Wine in a virtual desktop with a
# taskbar (Wine gives a desktop named "shell" one). Without a display it
# runs on Xvfb, saves a screenshot and quits.
set -eu
. "$(dirname "$0")/common.sh"

"$repo/scripts/install-deps.sh"
build_preset native
ctest --test-dir "$build/native" --output-on-failure
build_preset windows
WINEPREFIX="$WINEPREFIX" "$repo/scripts/wine/prepare-prefix.sh"

program="$build/windows/src/Kuvano.exe"
if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Kuvano in a Wine desktop; quit it from its menu."
    wine explorer /desktop=shell,1280x800 "$program"
    exit 0
fi

ensure_display
trap 'wineserver -k 2>/dev/null || true; stop_display' EXIT
wine explorer /desktop=shell,1280x800 "$program" &
sleep 8
screenshot="$build/screenshot.png"
import -window root "$screenshot"
echo "No display was set: Kuvano ran on Xvfb. Screenshot: $screenshot"
