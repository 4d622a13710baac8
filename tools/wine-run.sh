#!/usr/bin/env bash
# Runs a Windows executable under Wine with a private prefix.
#   wine-run.sh [--prefix DIR] program.exe [args...]
# The prefix is created on first use; Wine's own chatter is silenced so that
# the program's output is what remains.
set -euo pipefail
prefix="${WINEPREFIX:-}"
if [ "${1:-}" = "--prefix" ]; then prefix="$2"; shift 2; fi
[ -n "$prefix" ] || { echo "wine-run.sh: no prefix given (--prefix DIR or WINEPREFIX)" >&2; exit 2; }
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=$(command -v wine64 || command -v wine) || { echo "wine-run.sh: wine is not installed" >&2; exit 2; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1 || true
  server=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  "$server" -w 2>/dev/null || true
fi
exec "$wine" "$@"
