#!/usr/bin/env bash
# Runs a Windows executable under Wine with a private prefix.
#   wine-run.sh [--prefix DIR] program.exe [args...]
# The prefix is made on first use (tools/wine-prefix.sh); Wine's own chatter is silenced so that
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
  "$(dirname "$0")/wine-prefix.sh" "$WINEPREFIX"
fi
exec "$wine" "$@"
