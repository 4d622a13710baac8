#!/usr/bin/env bash
# End to end under Wine: the month picture and the month window, on a fresh
# prefix with MARILO_NOW set to 2024-03-15 12:00.
#  - --save-month of a fixed month is the same file twice and another
#    month's differs; a bad month is refused with status 2, an unwritable
#    file with status 1;
#  - with MARILO_HIGH_CONTRAST=1 the month and the graph pictures hold only
#    the system colours;
#  - 月間潮見表... opens the window for the shown month; a change of dpi
#    lays it out anew; PageDown and PageUp step it, Home comes back to this
#    month, コピー puts the picture on the clipboard, Esc closes it;
#  - hovering 2024-03-10 shows its sun and moon in a tip, the sunrise that
#    marilo-cli --date 2024-03-10 --sun prints;
#  - 印刷... and Ctrl+P go to the standard print dialog; the bench has no printer,
#    so Wine's dialog reports none and the window says so.
# (That the picture's cells tell what marilo-cli --month prints is a native
# test: MonthAgreement.)
#   e2e-month.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-month

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
mkdir -p "$work"

"${bench[@]}" prepare --fresh
MARILO_NOW=2024-03-15T12:00 "${bench[@]}" start
drive wait-window 60; check "main window appears" $?
sleep 4

save_month() {  # FILE [MONTH] -> status
  WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" MARILO_NOW=2024-03-15T12:00 \
    wine "$MARILO_BIN/Marilo.exe" --save-month "Z:${1//\//\\}" ${2:+"$2"} > "$work/save.out" 2>&1
}
rm -f "$work"/m*.png
save_month "$work/m1.png" 2024-03; s1=$?
save_month "$work/m2.png" 2024-03; s2=$?
save_month "$work/m3.png"; s3=$?
save_month "$work/m4.png" 2024-04
[ "$s1$s2$s3" = 000 ] && [ -s "$work/m1.png" ]; check "--save-month writes the file and ends with 0 ($s1 $s2 $s3)" $?
[ "$(identify -format '%wx%h' "$work/m1.png" 2>/dev/null)" = 597x581 ]; check "March 2024 is 597 x 581 (six rows)" $?
[ "$(compare -metric AE "$work/m1.png" "$work/m2.png" null: 2>&1)" = 0 ]; check "the same month twice: the same pixels" $?
[ "$(compare -metric AE "$work/m1.png" "$work/m3.png" null: 2>&1)" = 0 ]; check "without a month: this month (MARILO_NOW)" $?
[ "$(compare -metric AE "$work/m1.png" "$work/m4.png" null: 2>&1)" != 0 ]; check "April differs" $?
n=$(convert "$work/m1.png" txt:- | grep -ci '#00A000'); [ "$n" -gt 300 ]; check "today is framed in green ($n pixels)" $?
n=$(convert "$work/m4.png" txt:- | grep -ci '#00A000'); [ "$n" = 0 ]; check "and not in April ($n pixels)" $?
# High contrast (MARILO_HIGH_CONTRAST stands in for the system, which Wine
# always reports off): the month and the graph in the system colours alone,
# at most four of them (window, window text, highlight, grey text).
MARILO_HIGH_CONTRAST=1 save_month "$work/hc.png" 2024-03
WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" MARILO_NOW=2024-03-15T12:00 \
  MARILO_HIGH_CONTRAST=1 wine "$MARILO_BIN/Marilo.exe" --save-graph "Z:${work//\//\\}\\hc-graph.png" > "$work/save.out" 2>&1
WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" MARILO_NOW=2024-03-15T12:00 \
  MARILO_HIGH_CONTRAST=1 wine "$MARILO_BIN/Marilo.exe" --save-graph "Z:${work//\//\\}\\hc-graph3.png" --days 3 \
  > "$work/save.out" 2>&1
for f in hc hc-graph hc-graph3; do
  n=$(identify -format '%k' "$work/$f.png" 2>/dev/null)
  [ -n "$n" ] && [ "$n" -le 4 ]; check "with high contrast $f.png holds only the system colours ($n colours)" $?
done
n=$(identify -format '%k' "$work/m1.png"); [ "$n" -gt 4 ]; check "and without it the picture keeps its own ($n colours)" $?

save_month "$work/bad.png" 2024-13; status=$?
[ "$status" = 2 ] && grep -q "'2024-13' is not a month of the form YYYY-MM" "$work/save.out"
check "a bad month: status 2 and a message ($status: $(head -1 "$work/save.out"))" $?
save_month "/no/such/folder/m.png" 2024-03; status=$?
[ "$status" = 1 ] && grep -q 'cannot save the month to' "$work/save.out"
check "an unwritable file: status 1 and a message ($status)" $?

# The window, from the menu's command.
drive command 32810
sleep 3
title() { drive month-window | head -1; }
t=$(title); [ "$t" = "月間潮見表 2024年3月 田子の浦" ]; check "月間潮見表... opens this month's window ($t)" $?
size=$(drive month-window | sed -n 2p); [ "$size" = "597 581" ]; check "its client area fits the picture ($size)" $?
"${bench[@]}" shot "$work/window.png"
# Moved to a monitor at 150%: laid out anew, as large as fits above the
# taskbar (six weeks do not fit at 144 dpi), and back at 100%.
drive month-dpi 144
sleep 1
size=$(drive month-window | sed -n 2p); read -r w h <<<"$size"
[ "$w" -gt 597 ] && [ "$h" -gt 581 ] && [ "$h" -le 740 ]; check "at 144 dpi it is laid out larger, inside the screen ($size)" $?
drive month-dpi 96
sleep 1
size=$(drive month-window | sed -n 2p); [ "$size" = "597 581" ]; check "and at 96 dpi as before ($size)" $?
drive month-key 0x22; t=$(title); [ "$t" = "月間潮見表 2024年4月 田子の浦" ]; check "PageDown steps to April ($t)" $?
drive month-key 0x21; drive month-key 0x21; t=$(title)
[ "$t" = "月間潮見表 2024年2月 田子の浦" ]; check "PageUp twice steps back to February ($t)" $?
drive month-key 0x24; t=$(title); [ "$t" = "月間潮見表 2024年3月 田子の浦" ]; check "Home comes back to March ($t)" $?
drive month-command 1144
[ "$(drive clipboard-bitmap)" = "597 581" ]; check "コピー puts the 597 x 581 picture on the clipboard" $?

# The tip of 2024-03-10, a Sunday in the third row: the cell at (4, 42 +
# 2 x 86) of the client area, 84 by 86.
read -r ox oy <<< "$(drive month-window | sed -n 3p)"
drive mouse-move $(( ox + 40 )) $(( oy + 42 + 2 * 86 + 40 ))
drive mouse-move $(( ox + 42 )) $(( oy + 42 + 2 * 86 + 42 ))
for _ in $(seq 15); do
  sleep 0.3
  tip=$(drive shown-tips)
  [ -n "$tip" ] && break
done
echo "$tip" > "$work/tip.txt"
sunrise=$(grep -o '日の出 [0-9:]*' "$work/tip.txt" | head -1)
[ "$(head -1 "$work/tip.txt")" = "3月10日(日)" ] && [ "$sunrise" = "日の出 6:03" ]
check "hovering 3月10日 shows its sun and moon ($(tr '\n' ' ' < "$work/tip.txt"))" $?
# What marilo-cli --date 2024-03-10 --sun prints for that day.
[ "$(grep -c '^薄明 5:38 - 18:14$' "$work/tip.txt")" = 1 ] && grep -q '^月の出 6:01  月の入り 17:40$' "$work/tip.txt"
check "with civil twilight, moonrise and moonset as the command line gives them" $?

# Printing: the print dialog. Wine's, titled Print, says first that there
# is no printer to set up (this bench has none); the window then says why it
# printed nothing. With a printer, the dialog itself is cancelled.
drive month-command 1146
sleep 2
drive windows > "$work/print-windows.txt"
if grep -qx '#32770 Print' "$work/print-windows.txt" && grep -q 'install a printer' <(drive texts Print); then
  check "印刷... asks the print dialog, which finds no printer on this bench" 0
  drive answer Print 1
  sleep 2
  drive texts Marilo | grep -qx '印刷できませんでした: プリンターがありません。'
  check "and the window says that it printed nothing for want of a printer" $?
  drive answer Marilo 1
  sleep 1
  drive key 0x50 ctrl
  sleep 2
  drive windows | grep -qx '#32770 Print'; check "Ctrl+P asks for the print dialog too" $?
  drive answer Print 1
  sleep 2
  drive answer Marilo 1
elif grep -qx '#32770 \(Print\|印刷\)' "$work/print-windows.txt"; then
  check "印刷... opens the print dialog" 0
  drive answer "$(grep -o '\(Print\|印刷\)$' "$work/print-windows.txt" | head -1)" 2
else
  check "印刷... opens the print dialog ($(tr '\n' ' ' < "$work/print-windows.txt"))" 1
fi
sleep 1
drive month-key 0x1B
sleep 1
! drive month-window >/dev/null; check "Esc closes the window" $?
drive command 32810
sleep 2
drive month-window >/dev/null; check "and it opens again" $?
drive month-key 0x1B

drive command 32772
drive wait-gone 20; check "Exit ends the program" $?
e2e_summary
