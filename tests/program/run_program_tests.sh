#!/bin/bash
# Runs the program tests under Wine with a clock the test controls: every
# Wine process started from here reads the local time from one file (frozen
# at what the test last wrote; the real time while there is no file).
# Monotonic time stays real, so waits and timeouts behave.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$ROOT/scripts/wine-env.sh"
# The server must run on the real clock: start it before the clock is faked.
wineserver -p 2>/dev/null || true
timeout 60 wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true

clock_dir="$(mktemp -d)"
trap 'rm -rf "$clock_dir"' EXIT
export ZEL_TEST_CLOCK_FILE="$clock_dir/clock.txt"
export FAKETIME_TIMESTAMP_FILE="$ZEL_TEST_CLOCK_FILE" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
export LD_PRELOAD="${ZEL_FAKETIME_LIB:-/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1}"
ZEL_WINE_TIMEOUT=300 "$ROOT/scripts/wine-run" "$@"
