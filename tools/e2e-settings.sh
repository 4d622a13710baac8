#!/usr/bin/env bash
# End to end under Wine: the settings dialog. "その他の設定..." (command
# 32778) opens it once, however often it is asked for, while tray clicks open
# no menu and the clock icon goes on; values change on every page through the
# controls' own messages, a rule is added with the editor (whose length field
# wants a whole number) and moved up; an axis tick of 0 is refused with a
# message and the focus on the field; "設定" then stores everything (values
# and BIN) and rebuilds the tray icons. A second opening is cancelled after
# changes and leaves the registry as it was; Exit saves the same again.
#   e2e-settings.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-settings

# One state line of a control: drive get PATH, then the line "NAME: ...".
state() { drive get "$1" | sed -n "s/^$2: //p"; }
# The registry's little-endian hexadecimal of 32-bit integers.
le32() {
  local v=$(( $1 & 0xffffffff ))
  printf '%02X%02X%02X%02X' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255))
}
# Every value but the listed ones, for "nothing else changed".
others() { grep -v -E "^ +($1) " "$2"; }

tab=1025              # the tab control; the pages over it by template: 133 日付色, 135 アイコン, 136 メニュー, 138 時計, 139 グラフ
dates=133 icons=135 menu=136 clock=138 graph=139

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare --fresh
# The program's clock starts a minute before ten, to see it go on while the
# dialog is open.
MARILO_NOW=2024-01-11T09:59:10 "${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "main window appears" $?
sleep 4  # the splash
"${bench[@]}" reg > "$work/before.txt"

drive command 32778
drive dialog-wait $tab 10; check "その他の設定... opens the settings dialog" $?
drive command 32778; sleep 1
[ "$(drive dialog-count $tab)" = 1 ]; check "a second その他の設定... opens no second dialog" $?
drive tray 1 0x205; sleep 1
drive close-menu >/dev/null 2>&1; [ $? -ne 0 ]; check "a tray click opens no menu while the dialog is open" $?
[ "$(drive get $dates/1000 | grep -c '^item: ')" = 3 ]; check "the rule list shows the three rules" $?

# 日付色: a period rule through the editor, whose length must be a whole number.
drive click $dates/1001
drive dialog-wait 1014 5; check "追加 opens the rule editor" $?
drive click 1023                  # 指定期間
[ "$(state 1055 enabled)" = 1 ] && [ "$(state 1009 enabled)" = 0 ]
check "指定期間 enables the length and not the weekly list" $?
drive select 1019 7; drive select 1018 12; drive select 1010 4   # 8月 13日 水
drive settext 1055 abc
drive press 1014 1; sleep 1
drive texts Marilo | grep -q '整数を入力してください。'; check "a length of letters is refused with the integer prompt" $?
drive answer Marilo 1; sleep 0.5
drive dialog-wait 1014 1 && drive focus | grep -q '^focus: 1055 '
check "the editor stays open with the focus on the length" $?
drive settext 1055 -5
drive press 1014 1
drive dialog-gone 1014 5; check "OK closes the editor" $?
[ "$(drive get $dates/1000 | grep '^item: ' | tail -1)" = "item: 4:期間,8/13～5days,水" ]
check "the new rule is rule 4, its length -5 taken as 5" $?
drive arrow $dates/1018 up
items=$(drive get $dates/1000 | grep '^item: ' | sed -n '3,4p' | tr '\n' '|')
[ "$items" = "item: 3:期間,8/13～5days,水|item: 4:毎週,土曜日,青|" ] && [ "$(state $dates/1000 selection)" = 2 ]
check "the upper arrow moves it above rule 3, renumbered and still selected" $?

# アイコン: クロックのみ locks the clock box; then three icons, no clock, the other order.
drive tab $tab 1
drive click $icons/1039
[ "$(state $icons/1040 checked)" = 1 ] && [ "$(state $icons/1040 enabled)" = 0 ] && [ "$(state $icons/1034 enabled)" = 0 ]
check "クロックのみ checks and disables クロック表示 and disables 逆順表示" $?
drive click $icons/1030
[ "$(state $icons/1040 enabled)" = 1 ] && [ "$(state $icons/1040 checked)" = 1 ] && [ "$(state $icons/1034 enabled)" = 1 ]
check "年月日（３アイコン） enables both boxes and keeps the clock checked" $?
drive click $icons/1040
drive click $icons/1034

# メニュー: today off, both buttons, 12cm over a chosen -30, and a tick of 0.
drive tab $tab 2
drive click $menu/1027
drive click $menu/1037
drive settext $menu/1042 12cm
drive select $menu/1043 3
drive settext $menu/1044 0

# 時計: no shadow, and the hour marks' colour from the system's chooser.
drive tab $tab 3
drive click $clock/1043
drive click $clock/1049
drive dialog-wait 706 5; check "a colour button opens the colour chooser" $?
drive settext 706 255; drive settext 707 0; drive settext 708 128
drive press 706 1
drive dialog-gone 706 5

# グラフ: sizes 1⇔3, no marks, alerts off (which disables their controls).
drive tab $tab 4
drive select $graph/1054 2
drive select $graph/1053 0
drive click $graph/1061
[ "$(state $graph/1056 enabled)" = 0 ] && [ "$(state $graph/1055 enabled)" = 0 ] && [ "$(state $graph/1062 enabled)" = 0 ]
check "alerts off disable their seven controls" $?

for _ in $(seq 60); do drive tips | grep -q '^午前 10 時 00 分' && break; sleep 1; done
drive tips | grep -q '^午前 10 時 00 分' && drive dialog-wait $tab 1
check "the clock icon turns to ten while the dialog stays open" $?

# 設定 with a tick of 0: refused, on the メニュー page with the focus on 目盛.
drive press $tab 1; sleep 1
drive texts Marilo | grep -q '目盛'; check "a tick of 0 is refused with a message naming 目盛" $?
drive answer Marilo 1; sleep 0.5
drive dialog-wait $tab 1 && [ "$(state $tab selection)" = 2 ] && drive focus | grep -q ' parent: 1044$'
check "the dialog stays open on メニュー with the focus in 目盛" $?
cmp -s "$work/before.txt" <("${bench[@]}" reg); check "nothing is stored while refused" $?
drive settext $menu/1044 5
drive press $tab 1
drive dialog-gone $tab 5; check "設定 closes the dialog" $?
sleep 1

"${bench[@]}" reg > "$work/confirmed.txt"
r=$work/confirmed.txt b=$work/before.txt
xp_before=$(value IsXP "$b")
[ "$(value TrayIcon $r)" = 0x5 ] && [ "$(value TrayClock $r)" = 0x0 ] && [ "$(value IsXP $r)" != "$xp_before" ]
check "アイコン stored: mode 5, no clock, the other order" $?
[ "$(value PopCalMode $r)" = 0x0 ] && [ "$(value MousePop $r)" = 0x2 ] && [ "$(value YH $r)" = 0xc ] &&
  [ "$(value YL $r)" = 0xffffffe2 ] && [ "$(value YT $r)" = 0x5 ]
check "メニュー stored: today off, both buttons, axis 12 / -30 / 5" $?
[ "$(value IsShadow $r)" = 0x0 ] && [ "$(value ColTicks $r)" = 8000ff ]
check "時計 stored: no shadow, hour marks 8000ff" $?
[ "$(value GraphSizeSet $r)" = 0x2 ] && [ "$(value GraphShowMode $r)" = 0x0 ] && [ "$(value Alert $r)" = 0x0 ] &&
  [ "$(value STP $r)" = 0x1 ]
check "グラフ stored: sizes, marks, alerts off with their switches kept" $?
bin="$(le32 3; le32 0; le32 1; le32 1; le32 1; le32 1; le32 1
       le32 0; le32 0; le32 1; le32 1; le32 1; le32 1; le32 1
       le32 5; le32 0; le32 1; le32 5; le32 8; le32 13; le32 4
       le32 0; le32 6; le32 1; le32 1; le32 1; le32 1; le32 2)"
[ "$(value RuleN $r)" = 0x4 ] && [ "$(value BIN $r | tr a-f A-F)" = "$bin" ]
check "RuleN 4 and BIN with the period rule third" $?
changed='TrayIcon|TrayClock|IsXP|PopCalMode|MousePop|YH|YL|YT|IsShadow|ColTicks|GraphSizeSet|GraphShowMode|Alert|RuleN|BIN'
diff <(others "$changed" "$b") <(others "$changed" "$r") >/dev/null; check "every other value stays as it was" $?
tips=$(drive tips)
# (Wine's taskbar keeps the tooltips of removed icons, so only the new ones
# can be told.)
echo "$tips" | grep -q '^2[0-9]\{3\}年$' && echo "$tips" | grep -q '^[0-9]\{1,2\}月$' &&
  echo "$tips" | grep -q '^[0-9]\{1,2\}日$'
check "the tray is rebuilt with the three icons of year, month and day" $?

# A second opening, changed everywhere, then cancelled: nothing is stored.
drive command 32778
drive dialog-wait $tab 10
drive select $dates/1000 0; drive click $dates/1003
drive tab $tab 1; drive click $icons/1033
drive tab $tab 2; drive settext $menu/1042 300
drive tab $tab 3; drive click $clock/1051
drive tab $tab 4; drive click $graph/1061
drive press $tab 2   # Escape or the close box
drive dialog-gone $tab 5; check "cancelling closes the dialog" $?
sleep 1
cmp -s "$work/confirmed.txt" <("${bench[@]}" reg); check "a cancelled dialog changes nothing in the registry" $?
[ "$(drive tips)" = "$tips" ]; check "and no icon" $?

drive command 32772
drive wait-gone 20; check "Exit ends the program" $?
cmp -s "$work/confirmed.txt" <("${bench[@]}" reg); check "Exit saves the confirmed settings unchanged" $?

e2e_summary
