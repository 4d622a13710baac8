#!/usr/bin/env bash
# Runs a command with an X display: the current one when it answers,
# otherwise a private virtual display started for the command and ended
# after it. Windows programs under Wine need one to create windows.
#   with-display.sh COMMAND [ARGS...]
set -uo pipefail
if [ -n "${DISPLAY:-}" ] && xwininfo -root -display "$DISPLAY" >/dev/null 2>&1; then
  exec "$@"
fi
# A free display number; a server that ends at once lost its number to
# another starting beside it, and the next number is tried.
for n in $(seq 141 190); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 300); do
    xwininfo -root -display ":$n" >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if xwininfo -root -display ":$n" >/dev/null 2>&1; then
    trap 'kill "$xvfb" 2>/dev/null' EXIT
    DISPLAY=":$n" "$@"
    exit $?
  fi
  kill "$xvfb" 2>/dev/null
done
echo "with-display.sh: no virtual display would start" >&2
exit 1
