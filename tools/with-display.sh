#!/usr/bin/env bash
# Runs a command with an X display: the current one when it answers,
# otherwise a private virtual display started for the command and ended
# after it. Windows programs under Wine need one to create windows.
#   with-display.sh COMMAND [ARGS...]
set -uo pipefail
if [ -n "${DISPLAY:-}" ] && xwininfo -root -display "$DISPLAY" >/dev/null 2>&1; then
  exec "$@"
fi
for n in $(seq 141 190); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 50); do xwininfo -root -display ":$n" >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=":$n" "$@"
