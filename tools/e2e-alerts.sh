#!/usr/bin/env bash
# End to end under Wine, the alerts: with the first start's settings (alerts
# on, slack water, at the moment itself, sound on) and the program's clock
# (MARILO_NOW) set shortly before a high water of the default port, the alert
# window comes out beside the taskbar and rests there, the date icon blinks,
# the window slides away by itself after ten seconds and the icon stops
# blinking; started again before the next low water, a click sends it away
# at once.
#   e2e-alerts.sh BUILD_DIR        (the Windows tree: BUILD_DIR/bin holds the executables)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-alerts

# "VISIBLE X Y W H  TL TT TR TB": the alert window and the taskbar.
alert() { "${bench[@]}" drive alert | tr -d '\r'; }
visible() { [ "$(alert | awk '{ print $1 }')" = 1 ]; }
# Where the window rests: against the taskbar's top edge, flush with its
# right end (Wine's taskbar has no notification-area window of its own).
shown_at() { alert | awk '{ print $6 + ($8 - $6) - $4, $7 - $5 }'; }
now_at() { alert | awk '{ print $2, $3 }'; }
# The right end of the taskbar, where the date icon sits.
tray_hash() {
  "${bench[@]}" shot "$work/tray.png"
  convert "$work/tray.png" -crop 120x24+904+744 +repage -format '%#' info:
}
distinct_tray_images() {  # COUNT: distinct pictures in COUNT shots 0.3 s apart
  for _ in $(seq "$1"); do tray_hash; echo; sleep 0.3; done | sort -u | grep -c .
}
wait_until() {  # wait_until SECONDS COMMAND...: 0 once COMMAND succeeds
  local end=$(( $(date +%s) + $1 )); shift
  while [ "$(date +%s)" -lt "$end" ]; do "$@" && return 0; sleep 0.2; done
  "$@"
}
at_rest() { [ "$(now_at)" = "$(shown_at)" ]; }
hidden() { ! visible; }

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare --fresh

# 2024-01-11 at the default port: high water at 06:12, low water at 11:33
# (marilo-cli --alerts --date 2024-01-11 --events stp).
MARILO_NOW=2024-01-11T06:11:40 "${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "main window appears" $?
"${bench[@]}" drive alert >/dev/null; check "the alert window is created with the main window" $?
hidden; check "the alert window stays hidden until an alert" $?

wait_until 60 visible; check "the alert for 06:12 comes out" $?
appeared=$(date +%s)
wait_until 6 at_rest; check "it rests beside the taskbar at ($(shown_at)), now at ($(now_at))" $?
"${bench[@]}" shot "$work/alert.png"
n=$(distinct_tray_images 8); [ "$n" -ge 2 ]; check "the date icon blinks while it is up ($n pictures)" $?

wait_until 20 hidden; check "it slides away by itself" $?
took=$(( $(date +%s) - appeared ))
# Each look at the window starts a Wine process; on a loaded machine a look
# takes a second or two, so both ends of the span are seen late.
[ "$took" -ge 7 ] && [ "$took" -le 16 ]; check "after about ten seconds ($took s)" $?
sleep 1
n=$(distinct_tray_images 5); [ "$n" -eq 1 ]; check "the date icon is still again ($n pictures)" $?

"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20
MARILO_NOW=2024-01-11T11:32:45 "${bench[@]}" start
"${bench[@]}" drive wait-window 60
wait_until 60 visible; check "the alert for 11:33 comes out" $?
wait_until 6 at_rest; check "and rests beside the taskbar" $?
clicked=$(date +%s)
"${bench[@]}" drive click-alert
wait_until 8 hidden; check "a click sends it away" $?
took=$(( $(date +%s) - clicked ))
[ "$took" -le 5 ]; check "at once, not after ten seconds ($took s)" $?

"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20; check "Exit ends the program with its alert window" $?

e2e_summary
