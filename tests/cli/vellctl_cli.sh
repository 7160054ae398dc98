#!/bin/bash
# vellctl end to end: every command, its exit status and its exact output.
# Usage: vellctl_cli.sh PATH-TO-VELLCTL
set -uo pipefail
VELLCTL="$1"
T="$(mktemp -d)"
trap 'rm -rf "$T"' EXIT
failures=0
passes=0

check() {  # name, expected status, expected stdout, command...
  local name="$1" want_status="$2" want_out="$3"
  shift 3
  local out status
  out="$("$@" 2>"$T/stderr")"
  status=$?
  if [ "$status" != "$want_status" ] || [ "$out" != "$want_out" ]; then
    echo "FAIL: $name"
    echo "  status $status (want $want_status)"
    echo "  stdout: $(printf '%q' "$out")"
    echo "  want:   $(printf '%q' "$want_out")"
    echo "  stderr: $(cat "$T/stderr")"
    failures=$((failures + 1))
  else
    passes=$((passes + 1))
  fi
}

stderr_has() {  # name, text
  if grep -qF -- "$2" "$T/stderr"; then passes=$((passes + 1)); else
    echo "FAIL: $1: stderr lacks '$2': $(cat "$T/stderr")"; failures=$((failures + 1)); fi
}

line() {  # minute hour day month year [extra fields...]
  local mi="$1" h="$2" d="$3" mo="$4" y="$5"
  shift 5
  local s=""
  for f in "$@"; do s+="$f"$'\t'; done
  printf '%svell1_minute:%s\tvell1_hour:%s\tvell1_day:%s\tvell1_month:%s\tvell1_year:%s\r\n' \
    "$s" "$mi" "$h" "$d" "$mo" "$y"
}

W="$T/vell.rwo"
{
  line 30 10 7 3 2005 "vell1_showmessage:1" "vell1_message:Позвонить"     # slot 1, one-time
  line 0 8 1 1 2000 "vell1_period:3" "vell1_week:1"                     # slot 2, Mondays 08:00
  line 20 3 1 1 2000 "vell1_period:1"                                   # slot 3, hourly
  line 0 12 10 6 1970 "vell1_period:8" "vell1_showmessage:1" "vell1_message:Юбилей"  # slot 4
  line 15 22 1 3 2005 "vell1_period:10" "vell1_cycle:5"                 # slot 5
} | iconv -f UTF-8 -t CP1251 >"$T/in.txt"  # exchange files hold the edition's code page

check "import creates the work file" 0 "" "$VELLCTL" import "$W" "$T/in.txt"
[ "$(stat -c %s "$W")" = 229808 ] && passes=$((passes + 1)) || { echo "FAIL: work file size"; failures=$((failures + 1)); }

sum_before="$(md5sum <"$W")"
check "due plain" 0 $'1' "$VELLCTL" due "$W" "2005-03-07 10:30"
check "due monday" 0 $'2' "$VELLCTL" due "$W" "2005-03-07 08:00"
check "due hourly ru" 0 $'3' "$VELLCTL" due "$W" "2005-03-08 17:20"
check "due hourly en" 0 $'3' "$VELLCTL" due "$W" "2005-03-08 17:00" --edition en
check "due period hours" 0 $'5' "$VELLCTL" due "$W" "2005-03-02 03:15"
check "due catch-up" 0 $'1\n2\n3' "$VELLCTL" due --catch-up "$W" "2005-03-07 11:20"
check "due eve" 0 $'1\n4' "$VELLCTL" due "$W" "2005-06-09 08:00" --eve --catch-up
check "today" 0 "3" "$VELLCTL" today "$W" "2005-03-07"
check "today en counts hourly" 0 "4" "$VELLCTL" today "$W" "2005-03-07" --edition en
check "history empty" 0 "" "$VELLCTL" history "$W"
"$VELLCTL" export "$W" >"$T/out.txt"
if [ "$(grep -c $'\r$' "$T/out.txt")" = 5 ] && [ "$(wc -l <"$T/out.txt")" = 5 ] &&
   grep -q $'^vell1_influence:0\tvell1_disable:0\t.*vell1_message:\xcf\xee\xe7' "$T/out.txt"; then
  passes=$((passes + 1)); else echo "FAIL: export lines"; failures=$((failures + 1)); fi
[ "$(md5sum <"$W")" = "$sum_before" ] && passes=$((passes + 1)) || { echo "FAIL: read-only commands changed WORK"; failures=$((failures + 1)); }

check "run" 0 $'2005-03-07 10:31 1 catchup\n2005-03-07 10:31 2 catchup\n2005-03-07 11:20 3 scan' \
  "$VELLCTL" run "$W" "2005-03-07 10:31" "2005-03-07 11:20"
check "run midnight" 0 $'2005-06-08 23:59 1 catchup\n2005-06-09 00:00 4 midnight\n2005-06-09 00:20 3 scan' \
  "$VELLCTL" run "$W" "2005-06-08 23:59" "2005-06-09 00:30"
check "run twelve-hour save" 0 $'2005-03-07 10:30 2 catchup\n2005-03-07 10:30 1 scan' \
  "$VELLCTL" run "$W" "2005-03-07 10:30" "2005-03-07 10:30" --twelve-hour --save
check "history after save" 0 "2005 / Март / 07 - у10:30    Позвонить" "$VELLCTL" history "$W"
check "one-time event gone" 0 "" "$VELLCTL" due "$W" "2005-03-07 10:30"

check "list" 0 "$(printf '%s\n' \
  'slot  date and time     period        cycle  action                flags  message' \
  '2     2000-01-01 08:00  Дни недели    2      melody 0              D----  ' \
  '3     2000-01-01 03:20  Ежечасно      2      melody 0              D----  ' \
  '4     1970-06-10 12:00  Юбилеи        2      melody 0              D--S-  Юбилей' \
  '5     2005-03-01 22:15  Период часы   5      melody 0              D----  ')" \
  "$VELLCTL" list "$W"

check "clock" 0 "9:05-05/12:Дек/7-Ср[3]" "$VELLCTL" clock "%h0:%m2-%y2/%n2:%N3/%d0-%w2[%c0]" "2005-12-07 09:05" --events 3
check "options only after the command" 2 "" "$VELLCTL" --edition en clock "%h0" "2005-12-07 13:05"
check "clock en twelve-hour (options after)" 0 "1.05 p Wed" "$VELLCTL" clock "%h0.%m2 %a0 %w3" "2005-12-07 13:05" --twelve-hour --edition en

printf 'garbage\r\n' >"$T/bad.txt"
line 0 9 1 1 2006 >>"$T/bad.txt"
check "import with a rejected line" 1 "" "$VELLCTL" import "$W" "$T/bad.txt"
stderr_has "rejected note" "line 1 rejected"
check "import replace" 0 "" "$VELLCTL" import "$W" "$T/in.txt" --replace
check "replaced table" 0 $'1\n2\n3\n4\n5' bash -c "'$VELLCTL' list '$W' | tail -n +2 | cut -c1-1"

sum_before="$(md5sum <"$W")"
check "import of a missing file" 2 "" "$VELLCTL" import "$W" "$T/missing.txt"
[ ! -e "$T/missing.txt" ] && [ "$(md5sum <"$W")" = "$sum_before" ] && passes=$((passes + 1)) ||
  { echo "FAIL: a missing import file was created or WORK changed"; failures=$((failures + 1)); }

for i in $(seq 1 1005); do line 0 9 1 1 2006; done >"$T/many.txt"
check "import beyond the limit" 1 "" "$VELLCTL" import "$T/full.rwo" "$T/many.txt"
stderr_has "limit message" "(max 1000)"

# A record full of stray bytes (reserved areas, bytes past each text's
# length) but no event in use: a saved run writes it back byte for byte.
python3 - "$T/stray.rwo" <<'PY'
import random, sys
random.seed(5)
b = bytearray(random.getrandbits(8) for _ in range(229808))
for n in range(1000):
    b[8 + n * 153 + 6] = b[8 + n * 153 + 7] = 0
open(sys.argv[1], "wb").write(b)
PY
sum_before="$(md5sum <"$T/stray.rwo")"
check "saved run keeps every byte" 0 "" "$VELLCTL" run "$T/stray.rwo" "2005-03-07 23:00" "2005-03-08 01:00" --save
[ "$(md5sum <"$T/stray.rwo")" = "$sum_before" ] && passes=$((passes + 1)) ||
  { echo "FAIL: a saved run changed stray bytes"; failures=$((failures + 1)); }

head -c 1000 /dev/zero >"$T/short.rwo"
check "work file of the wrong size" 2 "" "$VELLCTL" list "$T/short.rwo"
check "missing work file" 2 "" "$VELLCTL" history "$T/none.rwo"
check "no command" 2 "" "$VELLCTL"
check "unknown command" 2 "" "$VELLCTL" frobnicate
check "invalid date" 2 "" "$VELLCTL" due "$W" "2005-02-29 10:00"
check "short date form" 2 "" "$VELLCTL" due "$W" "2005-3-7 10:00"
check "time out of range" 2 "" "$VELLCTL" due "$W" "2005-03-07 24:00"
check "FROM after TO" 2 "" "$VELLCTL" run "$W" "2005-03-07 10:31" "2005-03-07 10:30"
check "unknown option" 2 "" "$VELLCTL" due "$W" "2005-03-07 10:30" --soon
check "bad edition" 2 "" "$VELLCTL" today "$W" "2005-03-07" --edition de
check "option of another command" 2 "" "$VELLCTL" today "$W" "2005-03-07" --replace
check "wrong argument count" 2 "" "$VELLCTL" today "$W"

echo "$passes passed, $failures failed"
[ "$failures" = 0 ]
