#!/bin/sh
# Runs a command in a Wine of its own. Wine keeps one table of USER handles
# for every process of a prefix, so a program of an earlier test that is
# still ending would change what a count of free places sees.
#   alone.sh COMMAND...
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the build's Wine prefix}"
wineserver -k 2>/dev/null || true
wineserver -w
exec "$@"
