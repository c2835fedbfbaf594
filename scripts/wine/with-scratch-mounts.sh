#!/bin/sh
# Runs a test program with real folders that refuse writes or run out of
# space, and a drive letter of exactly known size, all small tmpfs mounts
# (root writes through permission bits, under Wine too). Needs root.
#   with-scratch-mounts.sh SCRATCH_DIR COMMAND...
# The test finds them through KUVANO_SCRATCH (a Windows path):
#   readonly\Kuvano.ini  an old settings file on a read-only mount, beside a
#                        copy of the program named by KUVANO_EXE_UNIX, if set
#   full\                a 64 KiB mount for the test to fill
#   T:                   a 16 MiB drive holding one 1 MiB file
#   sealed\              an immutable folder (chattr +i: no new files, no
#                        renames, even for root) holding a writable
#                        Kuvano.ini and a read-only locked.ini
set -eu
scratch=$1
shift
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"

unmount_all() {
    for dir in readonly full exact; do
        if mountpoint -q "$scratch/$dir"; then umount "$scratch/$dir"; fi
    done
    rm -f "$WINEPREFIX/dosdevices/t:"
    if [ -d "$scratch/sealed" ]; then chattr -i "$scratch/sealed"; rm -rf "$scratch/sealed"; fi
}
trap unmount_all EXIT
mkdir -p "$scratch/readonly" "$scratch/full" "$scratch/exact"
unmount_all

mount -t tmpfs -o size=4m tmpfs "$scratch/readonly"
printf '[setei]\r\ntani=1\r\n' > "$scratch/readonly/Kuvano.ini"
if [ -n "${KUVANO_EXE_UNIX:-}" ]; then cp "$KUVANO_EXE_UNIX" "$scratch/readonly/Kuvano.exe"; fi
mount -o remount,ro "$scratch/readonly"

mount -t tmpfs -o size=64k tmpfs "$scratch/full"

mount -t tmpfs -o size=16m tmpfs "$scratch/exact"
head -c 1048576 /dev/zero > "$scratch/exact/one-mebibyte"
ln -s "$scratch/exact" "$WINEPREFIX/dosdevices/t:"

mkdir "$scratch/sealed"
printf '[setei]\r\ntani=1\r\n' > "$scratch/sealed/Kuvano.ini"
printf '[setei]\r\ntani=1\r\n' > "$scratch/sealed/locked.ini"
chmod a-w "$scratch/sealed/locked.ini"
chattr +i "$scratch/sealed"

KUVANO_SCRATCH="Z:$(printf '%s' "$scratch" | tr / '\\')"
export KUVANO_SCRATCH
status=0
"$@" || status=$?
exit $status
