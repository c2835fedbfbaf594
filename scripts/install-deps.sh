#!/bin/sh
# Installs the Debian 12 packages Kuvano's build and tests need, skipping
# those already present. Needs root (or sudo).
set -eu

# clang and libclang-rt-14-dev (libFuzzer and clang's sanitizer runtimes)
# build the fuzz targets. python3-fusepy and fuse3 make the stalled folder
# that stands for a dead network share in the end-to-end tests.
packages="cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix wine wine64 \
xvfb xauth x11-utils xdotool imagemagick fonts-ipafont-gothic util-linux clang libclang-rt-14-dev \
python3-fusepy fuse3"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ -z "$missing" ]; then
    echo "All build and test packages are present."
    exit 0
fi

as_root=""
if [ "$(id -u)" != 0 ]; then as_root="sudo"; fi
echo "Installing:$missing"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing >/dev/null
