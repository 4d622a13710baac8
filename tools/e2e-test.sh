#!/usr/bin/env bash
# End to end under Wine, on a fresh prefix: the first start writes every
# setting, the icons appear after the splash, their tooltips follow the
# program's clock (set by MARILO_NOW) across its midnight, a second start ends
# at once and changes nothing, "TaskbarCreated" brings lost icons back, the
# menu opens with the port chooser's title, Exit ends the process and saves a
# port chosen from the menu, and a port chosen from the menu survives a kill.
#   e2e-test.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e

# Distinct colours in the right end of the taskbar: a bare taskbar has two
# or three, the date and clock icons bring many more.
tray_colours() { convert "$1" -crop 120x24+904+744 +repage -format %k info:; }

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
# Wine's menu messages show the texts the program gives its menu items.
wine_log="$work/wine.log"
tips() { "${bench[@]}" drive tips | tr -d '\r'; }
menu_texts() { decode_menu_texts "$wine_log"; }

"${bench[@]}" prepare --fresh
MARILO_NOW=2024-01-11T23:59:35 WINEDEBUG=+menu BENCH_LOG="$wine_log" "${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "main window appears" $?

sleep 4  # the splash stays two seconds
tips > "$work/tips-before.txt"
grep -q '^2024/1/11(木) 大潮 月齢29\.1$' "$work/tips-before.txt"
check "the moon icon's tooltip tells the day MARILO_NOW set" $?
grep -q '^午後 11 時 59 分 潮位' "$work/tips-before.txt"; check "the clock icon's tooltip tells its minute" $?
"${bench[@]}" shot "$work/after-splash.png"
n=$(tray_colours "$work/after-splash.png"); [ "$n" -gt 5 ]; check "icons in the taskbar after the splash ($n colours)" $?

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
n=$(tray_colours "$work/readded.png"); [ "$n" -gt 5 ]; check "TaskbarCreated brings the icons back ($n colours)" $?

# The program's midnight: the date icon changes within the 5 s tick.
for _ in $(seq 40); do tips | grep -q '^2024/1/12(金)' && break; sleep 1; done
tips > "$work/tips-after.txt"
grep -q '^2024/1/12(金) 大潮 月齢0\.6$' "$work/tips-after.txt" && grep -q '^午前 12 時 0[0-9] 分' "$work/tips-after.txt"
check "at the program's midnight the tooltips turn to the next day" $?

"${bench[@]}" drive tray 1 0x205   # right button on the date icon: the menu opens
sleep 1
menu_texts | grep -qx '場所設定(田子の浦)'; check "the port chooser is titled 場所設定(田子の浦)" $?
"${bench[@]}" drive close-menu

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

# A port chosen from the menu is stored when it is chosen: killed without
# Exit, the program opens on it at the next start.
"${bench[@]}" start
"${bench[@]}" drive wait-window 60; sleep 4
"${bench[@]}" drive command 50203   # group 2, third port: 大畑
sleep 1
"${bench[@]}" drive close-menu
"${bench[@]}" kill
# Started again before anything else runs in the prefix (a Wine started
# without the display would take the desktop); loading writes nothing.
: > "$wine_log"
WINEDEBUG=+menu BENCH_LOG="$wine_log" "${bench[@]}" start
"${bench[@]}" drive wait-window 60; sleep 4
"${bench[@]}" reg > "$work/killed.txt"
[ "$(value Ken "$work/killed.txt")" = 0x2 ] && [ "$(value Port "$work/killed.txt")" = 0x2 ]
check "a port chosen from the menu is stored at once" $?
"${bench[@]}" drive tray 1 0x205
sleep 1
menu_texts | grep -qx '場所設定(大畑)'; check "after the kill the program opens on that port" $?
"${bench[@]}" drive close-menu

# A machine far from Japan: on UTC-8 at 10:13 on 11 January it is 03:13 on
# the 12th at the port. The calendar and the clock keep the machine's time;
# the level is the port's (marilo-cli --port 52214 --date 2024-01-12 --time
# 03:13 prints 72.5 cm; the tooltip cuts it to whole centimetres).
"${bench[@]}" drive command 52214   # back to the default port, 田子の浦
sleep 1
"${bench[@]}" drive close-menu
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
TZ=PST8 MARILO_NOW=2024-01-11T10:13:10 "${bench[@]}" start
"${bench[@]}" drive wait-window 60; sleep 4
tips > "$work/tips-abroad.txt"
grep -q '^2024/1/11(木) ' "$work/tips-abroad.txt" && grep -q '^午前 10 時 13 分 潮位72$' "$work/tips-abroad.txt"
check "on UTC-8 the clock tells the machine's time and the level the port's ($(tr '\n' '|' < "$work/tips-abroad.txt"))" $?
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20

e2e_summary
