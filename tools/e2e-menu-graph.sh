#!/usr/bin/env bash
# End to end under Wine: the tray icon's popup menu with the tide graph and
# the calendar strip, the port chooser, the graph window with its tip, the
# clipboard copy and --save-graph, on a fresh prefix with MARILO_NOW set to
# 2024-01-11 12:00 (the default port then has its high and low waters at
# 06:12, 11:33, 16:35 and 23:41).
#   e2e-menu-graph.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-menu-graph

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
mkdir -p "$work"
# Wine's menu messages show the texts and check marks the program gives its
# menu items; each step reads what was logged since it began.
wine_log="$work/wine.log"
mark() { wc -l < "$wine_log"; }
decode() { decode_menu_texts; }
texts_since() { tail -n +"$1" "$wine_log" | decode; }
checked_since() { tail -n +"$1" "$wine_log" | grep -a 'State=check' | decode; }
shot() { "${bench[@]}" shot "$1"; }
# Pixels of one colour in a region of a screenshot.
count_colour() {  # FILE GEOMETRY '#RRGGBB'
  convert "$1" -crop "$2" +repage txt:- | grep -ci "$3"
}
menu_rect() { drive menu-rects | tail -n 1; }   # the outermost menu
# The calendar strip's middle button: the 11-pixel black square around the
# menu's centre column, the lowest place where the columns cx - 3, cx and
# cx + 3 are all black for at least nine rows (no glyph of the menu's texts
# is that wide and tall).
strip_row() {  # FILE LEFT TOP RIGHT BOTTOM -> row of the square's middle
  local cx=$(( ($2 + $4) / 2 ))
  convert "$1" -crop "7x$(( $5 - $3 ))+$(( cx - 3 ))+$3" +repage txt:- | awk -v top="$3" -v h=$(( $5 - $3 )) '
    NR > 1 { split($1, a, /[,:]/); if ((a[1] == 0 || a[1] == 3 || a[1] == 6) && $3 == "#000000") k[a[2]]++ }
    END { for (y = 0; y <= h; y++) {
            if (k[y] == 3) { run++ } else { if (run >= 9) found = top + y - run + int(run / 2); run = 0 } }
          print found + 0 }'
}

"${bench[@]}" prepare --fresh
MARILO_NOW=2024-01-11T12:00 WINEDEBUG=+menu BENCH_LOG="$wine_log" "${bench[@]}" start
drive wait-window 60; check "main window appears" $?
sleep 4

# A right click at (400, 300) opens the menu there, with the graph at m = 2.
m0=$(mark)
drive mouse-move 400 300
drive tray 1 0x205
sleep 2
read -r l t r b <<< "$(menu_rect)"
[ "${l:-0}" = 400 ] && [ "${t:-0}" = 300 ]; check "a right click opens the menu at the click ($l $t $r $b)" $?
shot "$work/menu.png"
region="$(( r - l ))x$(( b - t ))+$l+$t"
n=$(count_colour "$work/menu.png" "$region" '#3232FF'); [ "$n" -gt 150 ]; check "the menu shows the tide curve ($n pixels)" $?
n=$(count_colour "$work/menu.png" "$region" '#808080'); [ "$n" -gt 600 ]; check "and the graph's frame, zero and noon lines ($n pixels)" $?
n=$(count_colour "$work/menu.png" "$region" '#FFFF00'); [ "$n" -gt 10 ]; check "and the present moment's mark ($n pixels)" $?
texts_since "$m0" > "$work/texts-today.txt"
grep -qx 'H  6:12 155' "$work/texts-today.txt" && grep -qx 'L 11:33  90' "$work/texts-today.txt" &&
  grep -qx 'H 16:35 146' "$work/texts-today.txt" && grep -qx 'L 23:41 -17' "$work/texts-today.txt"
check "干満時刻 lists the day's four high and low waters" $?
grep -qx '場所設定(田子の浦)' "$work/texts-today.txt"; check "the port chooser is titled 場所設定(田子の浦)" $?
grep -qx '日の出 6:54  日の入り 16:52' "$work/texts-today.txt" && grep -qx '月の出 6:48  月の入り 16:19' "$work/texts-today.txt"
check "under them the day's sunrise and sunset, moonrise and moonset" $?
! grep -q '^潮汐定数' "$work/texts-today.txt"; check "田子の浦 has constants of its own: no station note" $?
[ "$(checked_since "$m0" | sort | tr '\n' ' ')" = "東海 田子浦 静岡 " ]
check "check marks at 東海, 静岡 and 田子浦 ($(checked_since "$m0" | tr '\n' ' '))" $?
[ "$(texts_since "$m0" | grep -cx 'Iconリフレッシュ')" = 0 ]; check "without Shift no maintenance items" $?

# The calendar strip: one day forward, then back to today.
row=$(strip_row "$work/menu.png" "$l" "$t" "$r" "$b")
cx=$(( (l + r) / 2 ))
[ "$row" -gt "$t" ]; check "the calendar strip is found in the menu (row $row)" $?
m1=$(mark)
drive mouse-click $(( cx + 20 )) "$row"
sleep 2
texts_since "$m1" > "$work/texts-next.txt"
grep -qx 'H  6:51 158' "$work/texts-next.txt" && grep -qx 'L 12:15  85' "$work/texts-next.txt"
check "the strip's ▶ reopens the menu on the next day" $?
shot "$work/menu-next.png"
n=$(count_colour "$work/menu-next.png" "$region" '#FFFF00'); [ "$n" -lt 3 ]; check "with no present moment on another day ($n)" $?
m2=$(mark)
drive mouse-click "$cx" "$row"
sleep 2
texts_since "$m2" | grep -qx 'H  6:12 155'; check "the strip's ■ comes back to today" $?

# A real right click on the clock icon near the taskbar's right end: the
# menu is pushed back onto the screen, and its ▶ still steps one day.
drive close-menu
drive mouse-click 993 757 right
sleep 2
drive mouse-move 300 300
read -r pl pt pr pb <<< "$(menu_rect)"
[ "${pr:-0}" = 1024 ]; check "a right click on the clock icon opens the menu at the screen's edge ($pl $pt $pr $pb)" $?
shot "$work/menu-edge.png"
prow=$(strip_row "$work/menu-edge.png" "$pl" "$pt" "$pr" "$pb")
m5=$(mark)
drive mouse-click $(( (pl + pr) / 2 + 20 )) "$prow"
sleep 2
texts_since "$m5" | grep -qx 'H  6:51 158'; check "its strip's ▶ shows the next day" $?
drive close-menu
drive mouse-move 400 300
drive tray 1 0x205
sleep 2

# A click on the graph changes its size: 2 to 1, a menu 100 pixels lower.
drive mouse-click "$cx" $(( t + 100 ))
sleep 2
read -r l2 t2 r2 b2 <<< "$(menu_rect)"
[ $(( (b - t) - (b2 - t2) )) = 100 ]; check "a click on the graph reopens the menu with the smaller graph ($(( b2 - t2 )) high)" $?

# The port chooser, by keyboard: 設定変更, 場所設定, 北海道, its second port.
m3=$(mark)
for key in 0x28 0x28 0x28 0x28 0x28 0x27 0x27 0x27 0x28; do drive menu-key "$key"; done
shot "$work/chooser.png"
drive menu-key 0x0D
sleep 2
texts_since "$m3" > "$work/texts-port.txt"
grep -qx '場所設定(稚内)' "$work/texts-port.txt"; check "choosing 稚内 from the tree reopens the menu for 稚内" $?
m4=$(mark)
drive close-menu
drive mouse-move 400 300
drive tray 1 0x205
sleep 2
[ "$(checked_since "$m4" | sort | tr '\n' ' ')" = "北海道 稚内 " ]; check "check marks at 北海道 and 稚内, no prefecture" $?
drive close-menu

# The graph window, its bottom-right corner at the mouse, and its tip.
drive mouse-move 700 600
drive command 32809
sleep 2
{ read -r wl wt wr wb; read -r cl ct cr cb; } <<< "$(drive graph-window)"
[ "${wr:-0}" = 700 ] && [ "${wb:-0}" = 600 ]; check "the graph window's bottom-right corner is at the mouse ($wl $wt $wr $wb)" $?
[ $(( cr - cl )) = 96 ] && [ $(( cb - ct )) = 116 ]; check "its client area is 96 x 116 at m = 1" $?
drive mouse-move $(( cl + 40 )) $(( ct + 60 ))
# The one move is all it gets; the X server may take a moment to pass it on.
for _ in $(seq 15); do
  sleep 0.2
  tip=$(drive shown-tips)
  [ -n "$tip" ] && break
done
[ "$tip" = "10:00 L-6" ]; check "the tip shows at once: column 40 is 10:00 at 稚内 ($tip)" $?
shot "$work/window.png"
sleep 6
[ -z "$(drive shown-tips)" ]; check "and hides after five seconds" $?
# Keys 1 to 4 and the system menu choose the days shown; the corner stays.
graph_width() { drive graph-window | awk 'NR == 2 { print $3 - $1 } NR == 1 { corner = $3 " " $4 } END { print corner }'; }
drive graph-key 0x33
[ "$(graph_width | tr '\n' ' ')" = "288 700 600 " ]; check "key 3 shows three days, 288 wide, at the same corner ($(graph_width | tr '\n' ' '))" $?
shot "$work/window3.png"
drive graph-syscommand 0x0120
[ "$(graph_width | head -1)" = 192 ]; check "the system menu's 2 日分 shows two days" $?
drive graph-key 0x31
[ "$(graph_width | head -1)" = 96 ]; check "key 1 comes back to the one day" $?
drive graph-key 0x34
[ "$(graph_width | head -1)" = 384 ]; check "key 4 shows four days" $?
drive close-dialog
sleep 1
! drive graph-window >/dev/null; check "Enter closes the graph window" $?

# The copy of the graph on the clipboard.
drive command 1133
sleep 1
[ "$(drive clipboard-bitmap)" = "97 117" ]; check "Copy 潮汐BMP puts a 97 x 117 bitmap on the clipboard" $?

# --save-graph while this copy runs: the stored settings (m = 2: the running
# copy saves the graph size at exit), exactly the menu's picture. A port
# chosen from the menu is stored at once, so the first menu's port, 田子の浦,
# is put back for the comparison.
"${bench[@]}" set Ken 22
"${bench[@]}" set Port 13
"${bench[@]}" reg > "$work/reg-before.txt"
png_unix="$work/graph.png"
png_win="Z:${png_unix//\//\\}"
rm -f "$png_unix"
MARILO_NOW=2024-01-11T12:00 WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" \
  wine "$MARILO_BIN/Marilo.exe" --save-graph "$png_win" > "$work/save.out" 2>&1
status=$?
[ "$status" = 0 ] && [ -s "$png_unix" ]; check "--save-graph writes the file and ends with 0 ($status)" $?
[ "$(identify -format '%wx%h' "$png_unix" 2>/dev/null)" = 193x217 ]; check "the picture is 193 x 217" $?
# The same graph in the first menu's screenshot, whose top-left corner is
# the menu's first pixel in the frame's grey.
menu_graph="$work/menu-graph.png"
corner=$(convert "$work/menu.png" -crop "$region" +repage txt:- | awk '/#808080/ { split($1, a, /[,:]/); print a[1] "+" a[2]; exit }')
convert "$work/menu.png" -crop "$region" +repage -crop "193x217+${corner}" +repage "$menu_graph"
diff=$(compare -metric AE "$png_unix" "$menu_graph" null: 2>&1)
[ "$diff" = 0 ]; check "the PNG is the menu's graph pixel for pixel ($diff differ)" $?
MARILO_NOW=2024-01-11T12:00 WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" \
  wine "$MARILO_BIN/Marilo.exe" --save-graph "$png_win" --scale 150 > "$work/save150.out" 2>&1
status=$?
size=$(identify -format '%wx%h' "$png_unix" 2>/dev/null)
[ "$status" = 0 ] && [ "$size" = 289x325 ]; check "--scale 150 draws it for 150%: 289 x 325 ($status $size)" $?
# Three days: night shaded (02:00 of each day: columns 16, 208, 400 at
# m = 2), the noons (96, 288, 480) not.
MARILO_NOW=2024-01-11T12:00 WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" \
  wine "$MARILO_BIN/Marilo.exe" --save-graph "$png_win" --days 3 > "$work/save3.out" 2>&1
status=$?
size=$(identify -format '%wx%h' "$png_unix" 2>/dev/null)
cp "$png_unix" "$work/graph3.png" 2>/dev/null
[ "$status" = 0 ] && [ "$size" = 577x231 ]; check "--days 3 draws three days side by side, a row of dates under them: 577 x 231 ($status $size)" $?
night() { count_colour "$work/graph3.png" "1x199+$1+17" '#182050'; }
n="$(night 16) $(night 208) $(night 400)"
[ "$(night 16)" -gt 100 ] && [ "$(night 208)" -gt 100 ] && [ "$(night 400)" -gt 100 ]; check "the small hours of each day are shaded ($n)" $?
n="$(night 96)$(night 288)$(night 480)"
[ "$n" = 000 ]; check "the noons are not ($n)" $?
n=$(count_colour "$work/graph3.png" 577x231+0+0 '#0C102C'); [ "$n" -gt 50 ]; check "civil twilight is lighter, beside the night ($n pixels)" $?
"${bench[@]}" reg > "$work/reg-after.txt"
cmp -s "$work/reg-before.txt" "$work/reg-after.txt"; check "--save-graph writes no setting" $?
WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" \
  wine "$MARILO_BIN/Marilo.exe" --save-graph 'Z:\no\such\folder\g.png' > "$work/fail.out" 2>&1
status=$?
[ "$status" = 1 ] && grep -q 'cannot save the graph to Z:\\no\\such\\folder\\g.png' "$work/fail.out"
check "an unwritable file: status 1 and a message ($status: $(head -1 "$work/fail.out"))" $?
WINEPREFIX="$work/prefix" WINEDEBUG=-all DISPLAY="$(cat "$work/display")" \
  wine "$MARILO_BIN/Marilo.exe" --graph > "$work/bad.out" 2>&1
status=$?
[ "$status" = 2 ] && grep -q 'unknown argument: --graph' "$work/bad.out"; check "an unknown argument: status 2 and a message" $?

# A port whose constants come from a distant station says so.
m6=$(mark)
drive command 50001
sleep 2
texts_since "$m6" | grep -qx '潮汐定数: Nemuroko (1146 km)'; check "片岡湾's menu names the station its constants come from" $?
drive close-menu

# 港を検索... by keyboard alone: the half-width ﾎﾟﾅﾍﾟ finds ポナペ, Enter
# chooses it as the tree would (the menu reopens for it).
drive command 32812
drive dialog-wait 1151 10; check "港を検索... opens the search dialog" $?
drive type 'ﾎﾟﾅﾍﾟ'
list=$(drive get 1151 | grep '^item: ')
[ "$list" = "$(printf 'item: ポナペ\tその他')" ]; check "typing ﾎﾟﾅﾍﾟ lists ポナペ with its group ($list)" $?
m8=$(mark)
drive key 0x0D
sleep 2
texts_since "$m8" | grep -qx '場所設定(ポナペ)'; check "Enter chooses it: the menu reopens for ポナペ" $?
drive close-menu
drive command 32812
drive dialog-wait 1151 10
drive settext 1150 静岡
n=$(drive get 1151 | grep -c $'\t東海 / 静岡$'); [ "$n" = 18 ]; check "静岡 lists its 18 ports ($n)" $?
drive key 0x1B
drive dialog-gone 1151 5; check "Esc closes the search dialog" $?

# 最近の港: A, B, C and B again list C, then A, the current B left out.
for id in 52214 58003 54731 58003; do drive command $id; sleep 1; drive close-menu; done
m9=$(mark)
drive mouse-move 400 300
drive tray 1 0x205
sleep 2
recent=$(texts_since "$m9" | grep -A2 -x '最近の港' | head -3 | tr '\n' ' ')
[ "$recent" = "最近の港 白浜 田子浦 " ]; check "最近の港 lists C then A ($recent)" $?
drive close-menu
drive command 50101
sleep 2
drive close-menu

drive command 32772
drive wait-gone 20; check "Exit ends the program" $?
"${bench[@]}" reg > "$work/exit.txt"
[ "$(value IsBig "$work/exit.txt")" = 0x0 ] && [ "$(value Ken "$work/exit.txt")" = 0x1 ] &&
  [ "$(value Port "$work/exit.txt")" = 0x0 ]
check "Exit keeps the smaller graph and the chosen port" $?
[ "$(value GraphDays "$work/exit.txt")" = 0x4 ]; check "and the graph window's four days" $?
recent=$(awk '$1 == "RecentPorts" { print $3 }' "$work/exit.txt")
[ "$recent" = 50101,58003,54731,52214,50001 ]; check "the ports chosen last are stored, the current one first ($recent)" $?

e2e_summary
