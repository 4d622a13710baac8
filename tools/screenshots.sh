#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots/ on the Wine bench: the splash,
# the tray in display modes 1 (日付), 7 (１週間) and 9 (月), the About box and
# an alert at rest beside the taskbar.
# Each tray picture is the right end of the taskbar, enlarged three times.
#   tools/screenshots.sh [OUTDIR]      (default docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
mkdir -p "$out"
cmake --preset windows >/dev/null
cmake --build --preset windows --target Marilo marilo_drive >/dev/null
work=build/windows/shots
bench=(tools/wine-bench.sh --dir "$work")
"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare --fresh

tray() { convert "$1" -crop 240x40+784+728 +repage -scale 300% "$2"; }

"${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 1.2
"${bench[@]}" shot "$work/splash.png"
convert "$work/splash.png" -crop 400x200+312+284 +repage "$out/splash.png"
sleep 3
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
ls "$out"
