#!/usr/bin/env bash
# End to end under Wine, on a fresh prefix: the first start writes every
# setting, the icons appear after the splash, a second start ends at once and
# changes nothing, "TaskbarCreated" brings lost icons back, and Exit ends the
# process and saves a port chosen from the menu.
#   e2e-test.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
export MARILO_BIN="$build/bin"
work="$build/e2e"
bench=("$root/tools/wine-bench.sh" --dir "$work")
failures=0
passes=0

check() {  # check NAME CONDITION-EXIT-STATUS
  if [ "$2" -eq 0 ]; then echo "PASS $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}
# Distinct colours in the right end of the taskbar: a bare taskbar has two
# or three, the date and clock icons bring many more.
tray_colours() { convert "$1" -crop 120x24+904+744 +repage -format %k info:; }
value() { awk -v n="$1" '$1 == n { print $3 }' "$2"; }

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare --fresh
"${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "main window appears" $?

sleep 4  # the splash stays two seconds
"${bench[@]}" shot "$work/after-splash.png"
n=$(tray_colours "$work/after-splash.png"); [ "$n" -gt 8 ]; check "icons in the taskbar after the splash ($n colours)" $?

"${bench[@]}" reg > "$work/first.txt"
missing=""
for v in RuleN TrayIcon TrayClock PopCalMode MousePop IsXP IsVirgin Alert DN3 DN7 UP3 UP7 STP PreTime Snd \
         IsFrame IsShadow IsTicks IsPlate GraphShowMode GraphSizeSet ColFrame ColPlate ColShort ColLong ColTicks \
         YH YL YT Ken Port IsBig BIN; do
  [ -n "$(value "$v" "$work/first.txt")" ] || missing="$missing $v"
done
[ -z "$missing" ]; check "first start writes every value${missing:+ (missing:$missing)}" $?
[ "$(value IsVirgin "$work/first.txt")" = 0x0 ]; check "IsVirgin is 0 after the first start" $?
bin=$(value BIN "$work/first.txt"); [ "${#bin}" -eq 168 ]; check "BIN holds 84 bytes ($(( ${#bin} / 2 )))" $?
[ "$(value ColShort "$work/first.txt")" = ff ]; check "colours stored as bare hexadecimal" $?

start=$(date +%s%N)
timeout 60 "${bench[@]}" launch
status=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ]; check "a second start ends by itself (${took} ms)" $?
"${bench[@]}" reg > "$work/second.txt"
cmp -s "$work/first.txt" "$work/second.txt"; check "a second start changes nothing" $?
"${bench[@]}" drive wait-window 1; check "the first copy keeps running" $?

"${bench[@]}" drive drop-icons; sleep 1
"${bench[@]}" shot "$work/dropped.png"
n=$(tray_colours "$work/dropped.png"); [ "$n" -le 4 ]; check "icons gone from the taskbar ($n colours)" $?
"${bench[@]}" drive taskbar-created; sleep 1
"${bench[@]}" shot "$work/readded.png"
n=$(tray_colours "$work/readded.png"); [ "$n" -gt 8 ]; check "TaskbarCreated brings the icons back ($n colours)" $?

"${bench[@]}" drive command 50102   # group 1, second port: the menu reopens
sleep 1
"${bench[@]}" drive close-menu
"${bench[@]}" drive end-session
"${bench[@]}" reg > "$work/session.txt"
[ "$(value Ken "$work/session.txt")" = 0x1 ] && [ "$(value Port "$work/session.txt")" = 0x1 ]
check "the end of the session saves the chosen port" $?

"${bench[@]}" drive command 50101   # group 1, first port: the menu reopens
sleep 1
"${bench[@]}" drive close-menu; check "the menu reopens after a port is chosen, and closes" $?
"${bench[@]}" drive command 32772   # Exit
"${bench[@]}" drive wait-gone 20; check "Exit ends the program" $?
"${bench[@]}" reg > "$work/exit.txt"
[ "$(value Ken "$work/exit.txt")" = 0x1 ] && [ "$(value Port "$work/exit.txt")" = 0x0 ]
check "Exit saves the chosen port" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
