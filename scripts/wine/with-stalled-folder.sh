#!/bin/sh
# Runs a test program with a folder whose listing of one subfolder stalls, as
# a network share does when its server stops answering: a FUSE mirror
# (stalling-folder.py) that answers the listing of b/inner only after two
# minutes. Afterwards the connection is aborted, which ends every stalled
# read at once, so nothing waits out the stall. Needs root.
#   with-stalled-folder.sh SCRATCH_DIR COMMAND...
# The test finds the mount through KUVANO_STALLED_FOLDER (a Windows path),
# which holds, of files of 1 MiB each:
#   a\        three files
#   b\        one file and inner\, whose listing stalls
#   c\        two files
set -eu
scratch=$1
shift
mount="$scratch/mount"

daemon=""
end_stall() {
    if mountpoint -q "$mount"; then
        connection=$(mountpoint -d "$mount")
        echo 1 > "/sys/fs/fuse/connections/${connection#*:}/abort"
    fi
    if [ -n "$daemon" ]; then kill -KILL "$daemon" 2>/dev/null || true; wait "$daemon" 2>/dev/null || true; fi
    umount -l "$mount" 2>/dev/null || true
}
trap end_stall EXIT
mkdir -p "$scratch"
end_stall

rm -rf "$scratch/source"
mkdir -p "$scratch/source/a" "$scratch/source/b/inner" "$scratch/source/c" "$mount"
for file in a/1 a/2 a/3 b/1 b/inner/1 c/1 c/2; do truncate -s 1M "$scratch/source/$file"; done

if ! mountpoint -q /sys/fs/fuse/connections; then mount -t fusectl fusectl /sys/fs/fuse/connections; fi
/usr/bin/python3 "$(dirname "$0")/stalling-folder.py" "$scratch/source" "$mount" b/inner 120 \
    >"$scratch/daemon.log" 2>&1 &
daemon=$!
for _ in $(seq 50); do
    if mountpoint -q "$mount"; then break; fi
    sleep 0.1
done
mountpoint -q "$mount" || { cat "$scratch/daemon.log" >&2; exit 1; }

KUVANO_STALLED_FOLDER="Z:$(printf '%s' "$mount" | tr / '\\')"
export KUVANO_STALLED_FOLDER
status=0
"$@" || status=$?
exit $status
