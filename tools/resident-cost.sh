#!/usr/bin/env bash
# What staying resident costs, measured on the Wine bench: the time from
# starting Marilo.exe to its icons in the taskbar (two seconds of it are the
# splash), its working set as Windows reports it to the program and the
# resident memory of the Wine process on Linux, and the size of the
# executable. Prints one line per figure.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset windows >/dev/null
cmake --build --preset windows --target Marilo marilo_drive >/dev/null
work=build/windows/cost
bench=(tools/wine-bench.sh --dir "$work")
"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
"${bench[@]}" prepare
# A first run writes the settings and warms the prefix; the second is measured.
"${bench[@]}" start
"${bench[@]}" drive wait-window 60
sleep 3
"${bench[@]}" drive command 32772
"${bench[@]}" drive wait-gone 20

t0=$(date +%s%N)
"${bench[@]}" start
display="$(cat "$work/display")"
icons_shown() {
  import -display "$display" -window root "$work/poll.png" 2>/dev/null || return 1
  [ "$(convert "$work/poll.png" -crop 120x24+904+744 +repage -format %k info:)" -gt 8 ]
}
until icons_shown; do
  [ $(( ($(date +%s%N) - t0) / 1000000000 )) -lt 60 ] || { echo "no icons within a minute" >&2; exit 1; }
  sleep 0.05
done
t1=$(date +%s%N)
echo "start to icons: $(( (t1 - t0) / 1000000 )) ms (including the 2000 ms splash)"
sleep 10   # settle: a few ticks of the clock icon
mem=$("${bench[@]}" drive memory | tr -d '\r')
echo "working set (as reported to Windows programs): $(echo "$mem" | awk '{print $4}') KiB, private $(echo "$mem" | awk '{print $8}') KiB"
pid=""
for p in /proc/[0-9]*; do
  if tr '\0' ' ' < "$p/cmdline" 2>/dev/null | grep -q 'Marilo\.exe'; then pid=${p#/proc/}; break; fi
done
[ -n "$pid" ] && echo "resident set of the Wine process on Linux: $(awk '/VmRSS/ {print $2}' /proc/"$pid"/status) KiB"
echo "Marilo.exe: $(stat -c %s build/windows/bin/Marilo.exe) bytes (static, stripped)"
