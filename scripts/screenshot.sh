#!/bin/sh
# Makes the README's screenshot: Kuvano from the Windows build, its sidebar
# set to pie gauges, in a Wine desktop on its own Xvfb, with the tray icon
# and the settings panel opened from the sidebar's menu, at a display scale
# given in DPI (96 is 100 %, 192 is 200 %).
#   scripts/screenshot.sh [OUTPUT.png [DPI]]   (default docs/screenshot.png at 96)
set -eu
. "$(dirname "$0")/common.sh"
output=$(realpath -m "${1:-$repo/docs/screenshot.png}")
dpi=${2:-96}

"$repo/scripts/install-deps.sh"
build_preset windows
"$repo/scripts/wine/prepare-prefix.sh"

folder=$(mktemp -d)
cp "$build/windows/src/Kuvano.exe" "$build/windows/src/Kuvano.avi" "$folder/"
printf '[saidbar]\r\niti=3\r\nenGrf=1\r\n' > "$folder/Kuvano.ini"
unset DISPLAY
ensure_display
"$repo/scripts/wine/at-dpi.sh" "$dpi"
cleanup() {
    "$repo/scripts/wine/at-dpi.sh" 96
    stop_display
    rm -rf "$folder"
}
trap cleanup EXIT

wine explorer /desktop=shell,1280x800 "$folder/Kuvano.exe" &
sleep 8
# The sidebar's menu, from a right click on the strip at the left edge; the
# settings panel is its sixth item.
xdotool mousemove 4 400 click 3
sleep 1
for _ in 1 2 3 4 5 6; do xdotool key Down; done
xdotool key Return
xdotool mousemove 700 300
sleep 3
import -window root "$output"
echo "Screenshot: $output"
