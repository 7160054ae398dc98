#!/bin/bash
# Runs the program tests under Wine with a clock the test controls: every
# Wine process started from here reads the local time from one file (frozen
# at what the test last wrote; the real time while there is no file).
# Monotonic time stays real, so waits and timeouts behave.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
# A prefix of their own beside the test program: the programs share a
# mutex, the Windows folder's vellsys.tun and the Run key with whatever else
# runs in a prefix, so other test runs must not meet them.
export ZEL_WINEPREFIX="${ZEL_PROGRAM_PREFIX:-$(cd "$(dirname "$1")" && pwd)/wineprefix}"
# The server must run on the real clock: it starts here, before the clock
# is faked, and ends with the tests.
"$ROOT/scripts/wine-prefix" >/dev/null 2>&1
source "$ROOT/scripts/wine-env.sh"
# The install folders of earlier runs.
rm -rf "$WINEPREFIX"/drive_c/users/*/Temp/"zel program "* 2>/dev/null || true

clock_dir="$(mktemp -d)"
trap 'rm -rf "$clock_dir"; wineserver -k 2>/dev/null || true' EXIT
export ZEL_TEST_CLOCK_FILE="$clock_dir/clock.txt"
export FAKETIME_TIMESTAMP_FILE="$ZEL_TEST_CLOCK_FILE" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
export LD_PRELOAD="${ZEL_FAKETIME_LIB:-/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1}"
status=0
ZEL_WINE_TIMEOUT=300 "$ROOT/scripts/wine-run" "$@" || status=$?
exit $status
