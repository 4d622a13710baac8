#!/usr/bin/env bash
# End to end under Wine at 150% and on a dark taskbar: the executable's
# manifest; at LogPixels 144 the date icon (mode 1) and the clock icon are
# drawn 24 pixels tall, not enlarged from 16 (few of their rows and columns
# repeat their neighbours); with SystemUsesLightTheme 0, announced as
# "ImmersiveColorSet", the date icon of an ordinary weekday loses its dark ink;
# the month window of 2024-03 lies inside the work area and shows every day,
# and with AppsUseLightTheme 0 it turns dark with light writing.
#   e2e-dpi.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench dpi
pixels() { node "$root/tools/tray-pixels.mjs" "$@"; }
# The right end of the taskbar at 144 dpi, which is 28 pixels tall.
tray() { convert "$1" -crop 200x26+824+742 +repage "$2"; }

exe="$MARILO_BIN/Marilo.exe"
LC_ALL=C grep -aq '<dpiAwareness[^>]*>PerMonitorV2' "$exe"; check "the manifest declares PerMonitorV2" $?
LC_ALL=C grep -aq '<dpiAware[^>]*>true/pm<' "$exe"; check "the manifest keeps dpiAware as the fallback" $?
LC_ALL=C grep -aq 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$exe"
check "the manifest asks for common controls 6" $?
LC_ALL=C grep -aq 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' "$exe"
check "the manifest names Windows 10 among the supported systems" $?

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare --fresh
"${bench[@]}" reg-add 'HKCU\Control Panel\Desktop' LogPixels 144
"${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "main window appears at 144 dpi" $?
sleep 3
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
"${bench[@]}" set TrayIcon 1
"${bench[@]}" set TrayClock 1
# An ordinary Wednesday: no rule colours it.
MARILO_NOW=2024-01-10T10:00:00 "${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 4.5
"${bench[@]}" shot "$work/light.png"
tray "$work/light.png" "$work/light.ppm"
read -r _ n _ tall _ rows _ cols <<< "$(pixels repeats "$work/light.ppm")"
[ "$n" -eq 2 ] && [ "$tall" -eq 24 ]; check "two icons 24 pixels tall ($n icons, $tall)" $?
[ "$rows" -le 20 ] && [ "$cols" -le 20 ]
check "their rows and columns repeat their neighbours at most 20% ($rows%, $cols%)" $?

light=$(pixels dark "$work/light.ppm")
"${bench[@]}" reg-add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' SystemUsesLightTheme 0
"${bench[@]}" drive setting-change ImmersiveColorSet
sleep 1
"${bench[@]}" shot "$work/dark.png"
tray "$work/dark.png" "$work/dark.ppm"
dark=$(pixels dark "$work/dark.ppm")
[ "$light" -gt 20 ] && [ $((dark * 10)) -le "$light" ]
check "on a dark taskbar the date icon keeps at most a tenth of its dark ink ($light -> $dark pixels)" $?

"${bench[@]}" reg-add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' SystemUsesLightTheme 1
"${bench[@]}" drive setting-change ImmersiveColorSet
sleep 1
"${bench[@]}" shot "$work/light-again.png"
tray "$work/light-again.png" "$work/light-again.ppm"
again=$(pixels dark "$work/light-again.ppm")
[ "$again" -eq "$light" ]; check "back on a light taskbar the ink is dark again ($again pixels)" $?

# The month window of 2024-03 (six weeks) at 144 dpi: inside the work area,
# above the taskbar, with the whole picture in it (its copy is the client
# area's size: nothing scrolled away).
"${bench[@]}" drive command 32810
sleep 3
"${bench[@]}" drive month-key 0x22
"${bench[@]}" drive month-key 0x22
sleep 1
month=$("${bench[@]}" drive month-window | tr -d '\r')
title=$(sed -n 1p <<<"$month")
read -r cw ch <<<"$(sed -n 2p <<<"$month")"
read -r ox oy <<<"$(sed -n 3p <<<"$month")"
read -r wl wt wr wb <<<"$(sed -n 4p <<<"$month")"
read -r al at ar ab <<<"$(sed -n 5p <<<"$month")"
[ "$title" = "月間潮見表 2024年3月 田子の浦" ]; check "the month window shows March 2024 ($title)" $?
[ "$wl" -ge "$al" ] && [ "$wt" -ge "$at" ] && [ "$wr" -le "$ar" ] && [ "$wb" -le "$ab" ]
check "it lies inside the work area ($wl $wt $wr $wb in $al $at $ar $ab)" $?
"${bench[@]}" drive month-command 1144
copy=$("${bench[@]}" drive clipboard-bitmap | tr -d '\r')
[ "$copy" = "$cw $ch" ]; check "every day shows: the picture ($copy) is the client area ($cw $ch)" $?

# The dark app theme: the month window's paper goes dark, its writing light.
"${bench[@]}" reg-add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' AppsUseLightTheme 0
"${bench[@]}" drive setting-change ImmersiveColorSet
sleep 2
month=$("${bench[@]}" drive month-window | tr -d '\r')
read -r cw ch <<<"$(sed -n 2p <<<"$month")"
read -r ox oy <<<"$(sed -n 3p <<<"$month")"
"${bench[@]}" shot "$work/dark-month.png"
convert "$work/dark-month.png" -crop "${cw}x${ch}+${ox}+${oy}" +repage "$work/dark-month-client.png"
paper=$(convert "$work/dark-month-client.png" -format '%[fx:int(255*luminance)]' -crop 1x1+2+2 info:)
light=$(convert "$work/dark-month-client.png" txt:- | grep -ci '#E6E6E6')
[ "$paper" -lt 40 ] && [ "$light" -gt 300 ]
check "with AppsUseLightTheme 0 the month window is dark (paper $paper) with light writing ($light pixels)" $?
"${bench[@]}" reg-add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' AppsUseLightTheme 1
"${bench[@]}" drive setting-change ImmersiveColorSet
sleep 2
"${bench[@]}" shot "$work/light-month.png"
paper=$(convert "$work/light-month.png" -crop "1x1+$((ox + 2))+$((oy + 2))" -format '%[fx:int(255*luminance)]' info:)
[ "$paper" -eq 255 ]; check "with 1 it is white again ($paper)" $?
"${bench[@]}" drive month-key 0x1B

e2e_summary
