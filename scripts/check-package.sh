#!/bin/sh
# Builds the download zip and checks what a user unpacks: one folder with the
# program as built, its animation clip and a readme with Windows line ends.
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
echo "$name.zip holds Kuvano.exe, Kuvano.avi and README.txt"
