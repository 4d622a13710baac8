#!/usr/bin/env bash
# The Wine bench: Marilo.exe on a desktop with a taskbar, in a Wine prefix of
# its own, on the current X display or on a private virtual one.
#
#   wine-bench.sh [--dir DIR] prepare [--fresh]   the prefix, with Japanese fonts
#   wine-bench.sh [--dir DIR] start [EXE]         display, desktop with taskbar, Marilo.exe
#                                                 (MARILO_NOW sets its clock; BENCH_LOG keeps
#                                                 Wine's messages, WINEDEBUG chooses them)
#   wine-bench.sh [--dir DIR] launch [EXE [ARGS]] one more start of Marilo.exe (or EXE with
#                                                 ARGS); waits for it to end, with its exit code
#   wine-bench.sh [--dir DIR] drive ARGS...       marilo_drive.exe (see tests/e2e/marilo_drive.cpp)
#   wine-bench.sh [--dir DIR] shot FILE           screenshot of the whole display
#   wine-bench.sh [--dir DIR] reg                 the settings key, as reg.exe prints it
#   wine-bench.sh [--dir DIR] set NAME VALUE      one REG_DWORD setting
#   wine-bench.sh [--dir DIR] reg-add KEY NAME VALUE [TYPE]  a value anywhere, REG_DWORD unless TYPE
#                                                 says otherwise (LogPixels, the theme, the colours)
#   wine-bench.sh [--dir DIR] stop                Exit Marilo, end the desktop and the display
#   wine-bench.sh [--dir DIR] kill                end what runs in the prefix at once, without Exit
#
# DIR (default build/windows/bench) holds the prefix and the bench's state.
# The executables are taken from MARILO_BIN (default build/windows/bin).
# Wine's virtual desktop shows a taskbar whose right end holds the
# notification icons; it has no separate notification-area window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$root/build/windows/bench"
if [ "${1:-}" = "--dir" ]; then dir="$2"; shift 2; fi
bin="${MARILO_BIN:-$root/build/windows/bin}"
cmd="${1:-}"; shift || true

mkdir -p "$dir"
dir="$(cd "$dir" && pwd)"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=$(command -v wine64 || command -v wine) || { echo "wine-bench: wine is not installed" >&2; exit 2; }
server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
key='HKCU\Software\Harbrook Works\Marilo\Setting'
size=1024x768

say() { echo "wine-bench: $*" >&2; }

prepare() {
  if [ "${1:-}" = "--fresh" ] && [ -d "$WINEPREFIX" ]; then
    "$server" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$dir/prefix.done" ] && return 0
  rm -rf "$WINEPREFIX"
  "$root/tools/wine-prefix.sh" "$WINEPREFIX"
  # The program's faces, mapped to the IPA fonts of fonts-ipafont-gothic; and
  # one virtual desktop for every program of the prefix, so that the tools
  # that drive Marilo see its windows.
  local reg="$dir/fonts.reg"
  {
    printf '\xff\xfe'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
      '"ＭＳ ゴシック"="IPAGothic"' \
      '"ＭＳ Ｐゴシック"="IPAPGothic"' \
      '"MS UI Gothic"="IPAPGothic"' \
      '"MS Gothic"="IPAGothic"' \
      '"MS PGothic"="IPAPGothic"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Explorer]' \
      '"Desktop"="Default"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
      "\"Default\"=\"$size\"" '' | iconv -f UTF-8 -t UTF-16LE
  } > "$reg"
  "$wine" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || true
  "$server" -w 2>/dev/null || true
  touch "$dir/prefix.done"
}

winepath_of() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

display_alive() { xwininfo -root -display "$1" >/dev/null 2>&1; }

ensure_display() {
  if [ -f "$dir/display" ] && display_alive "$(cat "$dir/display")"; then
    export DISPLAY="$(cat "$dir/display")"; return 0
  fi
  if [ -n "${DISPLAY:-}" ] && display_alive "$DISPLAY"; then
    echo "$DISPLAY" > "$dir/display"; rm -f "$dir/xvfb.pid"; return 0
  fi
  # A free display number; another bench may take the same one at the same
  # moment (its Xvfb then ends at once), and a loaded machine may take a few
  # seconds to bring one up, so each try waits while its server lives.
  local n pid
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 300); do
      display_alive ":$n" && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    if display_alive ":$n"; then
      echo "$pid" > "$dir/xvfb.pid"
      echo ":$n" > "$dir/display"
      export DISPLAY=":$n"
      return 0
    fi
    kill "$pid" 2>/dev/null || true
  done
  say "the virtual display did not start"; exit 1
}

exe_arg() { echo "${1:-$bin/Marilo.exe}"; }

start() {
  local exe; exe="$(exe_arg "${1:-}")"
  [ -f "$exe" ] || { say "no $exe: build it first (cmake --build --preset windows)"; exit 1; }
  prepare
  ensure_display
  # The desktop window with its taskbar; Marilo.exe runs inside it. Wine's
  # own messages (WINEDEBUG) go to BENCH_LOG when it is set.
  setsid "$wine" explorer "/desktop=Default,$size" "$exe" >"${BENCH_LOG:-/dev/null}" 2>&1 < /dev/null &
  echo $! > "$dir/desktop.pid"
}

launch() {
  local exe; exe="$(exe_arg "${1:-}")"
  ensure_display
  "$wine" "$exe" "${@:2}" >/dev/null 2>&1 < /dev/null
}

drive() {
  ensure_display
  "$wine" "$bin/marilo_drive.exe" "$@" 2>/dev/null
}

stop() {
  if [ -f "$dir/display" ]; then
    export DISPLAY="$(cat "$dir/display")"
    drive command 32772 >/dev/null 2>&1 && drive wait-gone 20 >/dev/null 2>&1 || true
  fi
  # Ends what runs in this bench's own prefix, and nothing else.
  "$server" -k 2>/dev/null || true
  if [ -f "$dir/desktop.pid" ]; then
    kill "$(cat "$dir/desktop.pid")" 2>/dev/null || true
    rm -f "$dir/desktop.pid"
  fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  rm -f "$dir/display"
}

case "$cmd" in
  prepare) prepare "$@" ;;
  start) start "$@" ;;
  launch) launch "$@" ;;
  drive) drive "$@" ;;
  shot) ensure_display; import -display "$DISPLAY" -window root "$1" ;;
  reg) prepare; "$wine" reg query "$key" 2>/dev/null | tr -d '\r' ;;
  set) prepare; "$wine" reg add "$key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1 ;;
  reg-add)
    prepare
    "$wine" reg add "$1" /v "$2" /t "${4:-REG_DWORD}" /d "$3" /f >/dev/null 2>&1
    # With nothing else running, let the server it started end, or the
    # desktop started next may come up without its display.
    [ -f "$dir/desktop.pid" ] || "$server" -w 2>/dev/null || true ;;
  stop) stop ;;
  kill) "$server" -k 2>/dev/null; "$server" -w 2>/dev/null; rm -f "$dir/desktop.pid" ;;  # at once, without Exit
  *) sed -n '2,20p' "$0" >&2; exit 2 ;;
esac
