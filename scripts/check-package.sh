#!/bin/sh
# Builds the download zip and checks what a user unpacks: one folder with the
# program as built, its animation clip and a readme with Windows line ends;
# and that the program is marked as aware of Remote Desktop hosts.
#   check-package.sh BUILD_DIR VERSION
set -eu
build=$1
name="Kuvano-$2-win64"
cmake --build "$build" --target package_zip >/dev/null

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
cd "$unpacked"
cmake -E tar xf "$build/$name.zip"

listing=$(find . -mindepth 1 | sort | tr '\n' ' ')
expected="./$name ./$name/Kuvano.avi ./$name/Kuvano.exe ./$name/README.txt "
if [ "$listing" != "$expected" ]; then
    echo "unexpected contents: $listing"
    exit 1
fi
cmp "$name/Kuvano.exe" "$build/src/Kuvano.exe"
cmp "$name/Kuvano.avi" "$build/src/Kuvano.avi"
if ! head -c 2 "$name/Kuvano.avi" | grep -q RI; then echo "Kuvano.avi is not a RIFF file"; exit 1; fi
if [ "$(grep -c "$(printf '\r')\$" "$name/README.txt")" != "$(wc -l < "$name/README.txt")" ]; then
    echo "README.txt has lines without CR LF"
    exit 1
fi
grep -q "Kuvano.ini" "$name/README.txt"
objdump=$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "$build/CMakeCache.txt")
if ! "${objdump:-x86_64-w64-mingw32-objdump}" -p "$name/Kuvano.exe" | grep -q '^[[:space:]]*TERMINAL_SERVICE_AWARE$'; then
    echo "Kuvano.exe is not marked as aware of Remote Desktop hosts (link it with --tsaware)"
    exit 1
fi
echo "$name.zip holds Kuvano.exe, Kuvano.avi and README.txt"
