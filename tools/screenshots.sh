#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots/ on the Wine bench: the splash,
# the tray in display modes 1 (日付), 7 (１週間) and 9 (月), the About box,
# an alert at rest beside the taskbar, with the program's clock at
# 2024-01-11 15:00 the popup menu with its port chooser open (graph size 2),
# the menu with the graph at size 1 and its 干満時刻 open, and the graph
# window with its tip;
# the settings dialog's five tabs and the rule editor; then at 150% scaling
# (LogPixels 144) the tray in modes 1 and 7 on a light and on a dark taskbar.
# Each tray picture is the right end of the taskbar, enlarged three times
# (twice at 150%).
#   tools/screenshots.sh [OUTDIR] [scaled]   (default docs/screenshots; `scaled`
#                                            makes only the 150% pictures)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
# The bench's clock is set in Japan, as on the end-to-end benches: the
# program's clock (MARILO_NOW, local time) is then the default port's time.
export TZ=JST-9
mkdir -p "$out"
cmake --preset windows >/dev/null
cmake --build --preset windows --target Marilo marilo_drive >/dev/null
work=build/windows/shots
bench=(tools/wine-bench.sh --dir "$work")
"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT

# 150%: Wine's taskbar asks for 24-pixel icons. Its dark variant: Wine's
# taskbar takes the menu colour, set near the dark taskbar of Windows 10 and
# 11, with SystemUsesLightTheme 0 for the program to read.
scaled() {
  local theme mode
  for theme in light dark; do
    "${bench[@]}" stop >/dev/null 2>&1 || true
    "${bench[@]}" prepare --fresh
    "${bench[@]}" reg-add 'HKCU\Control Panel\Desktop' LogPixels 144
    if [ "$theme" = dark ]; then
      "${bench[@]}" reg-add 'HKCU\Control Panel\Colors' Menu '32 32 32' REG_SZ
      "${bench[@]}" reg-add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' SystemUsesLightTheme 0
    fi
    "${bench[@]}" start
    "${bench[@]}" drive wait-window 60
    sleep 3
    for mode in 1 7; do
      "${bench[@]}" drive command 32772
      "${bench[@]}" drive wait-gone 20
      "${bench[@]}" set TrayIcon "$mode"
      "${bench[@]}" set IsXP "$([ "$mode" = 7 ] && echo 1 || echo 0)"
      MARILO_NOW=2024-01-10T10:08 "${bench[@]}" start
      "${bench[@]}" drive wait-window 60
      sleep 4.5
      "${bench[@]}" shot "$work/150-$theme-$mode.png"
      convert "$work/150-$theme-$mode.png" -crop 300x28+724+740 +repage -scale 200% "$out/tray-150-$theme-mode$mode.png"
    done
  done
}
if [ "${2:-}" = scaled ]; then scaled; ls "$out"; exit 0; fi
"${bench[@]}" prepare --fresh

tray() { convert "$1" -crop 240x40+784+728 +repage -scale 300% "$2"; }

"${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 1.2
"${bench[@]}" shot "$work/splash.png"
convert "$work/splash.png" -crop 400x200+312+284 +repage "$out/splash.png"
# The first start's notification stands over the icons; the second start
# shows none.
sleep 3
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
"${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 4.5
"${bench[@]}" shot "$work/mode9.png"
tray "$work/mode9.png" "$out/tray-mode9.png"

"${bench[@]}" drive command 32777   # About
sleep 2
"${bench[@]}" shot "$work/about.png"
convert "$work/about.png" -crop 420x300+302+234 +repage "$out/about.png"
"${bench[@]}" drive close-dialog
sleep 1

for mode in 1 7; do
  "${bench[@]}" drive command 32772
  "${bench[@]}" drive wait-gone 20
  "${bench[@]}" set TrayIcon "$mode"
  # Wine's taskbar puts each new icon left of the earlier ones, as XP did:
  # the week reads Sunday to Saturday from the left in reverse order.
  [ "$mode" = 7 ] && "${bench[@]}" set IsXP 1
  "${bench[@]}" start
  "${bench[@]}" drive wait-window 60
  sleep 4.5
  "${bench[@]}" shot "$work/mode$mode.png"
  tray "$work/mode$mode.png" "$out/tray-mode$mode.png"
done

# An alert: the program's clock set shortly before the high water of
# 2024-01-11 06:12 at the default port, the window shot at rest.
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
"${bench[@]}" set TrayIcon 9
MARILO_NOW=2024-01-11T06:11:50 "${bench[@]}" start
"${bench[@]}" drive wait-window 60
for _ in $(seq 200); do
  [ "$("${bench[@]}" drive alert | awk '{ print $1 }')" = 1 ] && break
  sleep 0.2
done
sleep 3.5  # the slide-in takes 34 steps
"${bench[@]}" shot "$work/alert.png"
convert "$work/alert.png" -crop 320x140+704+628 +repage "$out/alert.png"

# The settings dialog at the default display mode, its clock at 10:10.
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
"${bench[@]}" set TrayIcon 9
MARILO_NOW=2024-01-11T10:10 "${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 3
"${bench[@]}" drive command 32778
"${bench[@]}" drive dialog-wait 1025 10
dialog() { convert "$1" -crop 346x258+338+254 +repage "$2"; }
tabs=(dates icons menu clock graph)
for i in 0 1 2 3 4; do
  "${bench[@]}" drive tab 1025 "$i"
  sleep 0.5
  "${bench[@]}" shot "$work/settings-$i.png"
  dialog "$work/settings-$i.png" "$out/settings-${tabs[$i]}.png"
done
"${bench[@]}" drive tab 1025 0
"${bench[@]}" drive select 133/1000 1
"${bench[@]}" drive click 133/1002   # 修正 on rule 2
"${bench[@]}" drive dialog-wait 1014 5
sleep 0.5
"${bench[@]}" shot "$work/rule-editor.png"
dialog "$work/rule-editor.png" "$out/settings-rule-editor.png"
"${bench[@]}" drive press 1014 2
"${bench[@]}" drive press 1025 2

# The menu and the graph window, on a day and at a time of our choosing.
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
"${bench[@]}" set TrayIcon 9
MARILO_NOW=2024-01-11T15:00 "${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 4
"${bench[@]}" drive mouse-move 120 110
"${bench[@]}" drive tray 1 0x205   # the right click's message: the menu opens at the mouse
sleep 2
# 設定変更, 場所設定(田子の浦), 東海, 静岡: the port chooser open down to the
# checked port.
for key in 0x28 0x28 0x28 0x28 0x28 0x27 0x27 0x28 0x28 0x28 0x28 0x27 0x27; do "${bench[@]}" drive menu-key "$key"; done
sleep 1
"${bench[@]}" shot "$work/menu-m2.png"
# The box around every open menu, with a margin.
menus_box() { "${bench[@]}" drive menu-rects | tr -d '\r' | awk '
  NR == 1 { l = $1; t = $2; r = $3; b = $4 }
  { if ($1 < l) l = $1; if ($2 < t) t = $2; if ($3 > r) r = $3; if ($4 > b) b = $4 }
  END { printf "%dx%d+%d+%d\n", r - l + 16, b - t + 16, l - 8, t - 8 }'; }
convert "$work/menu-m2.png" -crop "$(menus_box)" +repage "$out/menu-m2.png"
for _ in 1 2 3 4 5; do "${bench[@]}" drive close-menu; done   # the four open levels, then the menu
"${bench[@]}" drive command 1125   # the graph item: the other size, m = 1
sleep 2
# 干満時刻 open: the high and low waters, the sun and the moon.
for key in 0x28 0x28 0x28 0x28 0x27; do "${bench[@]}" drive menu-key "$key"; done
sleep 1
"${bench[@]}" shot "$work/menu-m1.png"
convert "$work/menu-m1.png" -crop "$(menus_box)" +repage "$out/menu-m1.png"
"${bench[@]}" drive close-menu
"${bench[@]}" drive close-menu
"${bench[@]}" drive command 1125   # back to m = 2 for the window
sleep 2
"${bench[@]}" drive close-menu
"${bench[@]}" drive mouse-move 620 520
"${bench[@]}" drive command 32809
sleep 2
{ read -r wl wt wr wb; read -r cl ct cr cb; } <<< "$("${bench[@]}" drive graph-window | tr -d '\r')"
"${bench[@]}" drive mouse-move $(( cl + 150 )) $(( ct + 70 ))   # 18:45
sleep 0.5
"${bench[@]}" shot "$work/window.png"
convert "$work/window.png" -crop "$(( wr - wl + 100 ))x$(( wb - wt + 40 ))+$(( wl - 8 ))+$(( wt - 8 ))" +repage "$out/graph-window.png"
"${bench[@]}" drive close-dialog
scaled
ls "$out"
