#!/bin/sh
# Fails on an #include that runs against the layers. Each folder of src/ may
# include itself and the layers below it:
#   core <- platform <- tray, sidebar, settings_panel, folder_size, help <- app
#   core <- art <- tools
# Features never include each other; app/ composes them.
#   check-layers.sh [REPOSITORY]
set -eu
repo=${1:-$(cd "$(dirname "$0")/.." && pwd)}

allowed() {
    case $1 in
        core) echo "core" ;;
        art) echo "core art" ;;
        platform) echo "core platform" ;;
        app) echo "core platform tray sidebar settings_panel folder_size help app" ;;
        tools) echo "core art" ;;
        *) echo "core platform $1" ;;
    esac
}

report=$(mktemp)
trap 'rm -f "$report"' EXIT
for dir in "$repo"/src/*/ "$repo"/tools/; do
    layer=$(basename "$dir")
    grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "$dir" |
        awk -v layer="$layer" -v allowed=" $(allowed "$layer") " '{
            match($0, /"[a-z_]+\//)
            target = substr($0, RSTART + 1, RLENGTH - 2)
            if (index(allowed, " " target " ") == 0) print "layer " layer " may not include " target ": " $0
        }' >> "$report" || true
done
if [ -s "$report" ]; then
    cat "$report"
    exit 1
fi
echo "Every include runs down the layers."
