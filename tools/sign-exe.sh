#!/usr/bin/env bash
# Signs one Windows executable in place with Authenticode (osslsigncode).
#   sign-exe.sh FILE.exe
# The certificate and its password come from the environment, so that the
# password never shows on a command line:
#   MARILO_SIGN_PFX        the PKCS#12 file (.pfx) with the key and certificate
#   MARILO_SIGN_PASSWORD   its password (may be empty)
#   MARILO_SIGN_TIMESTAMP  optional RFC 3161 time-stamp server URL
# Used by tools/release.sh for Marilo.exe and the setup, and by makensis (via
# !uninstfinalize) for the uninstaller.
set -euo pipefail
file=${1:?usage: sign-exe.sh FILE.exe}
pfx=${MARILO_SIGN_PFX:?MARILO_SIGN_PFX names the .pfx file}
[ -f "$pfx" ] || { echo "sign-exe.sh: no such certificate file: $pfx" >&2; exit 2; }
[ -f "$file" ] || { echo "sign-exe.sh: no such file: $file" >&2; exit 2; }
tmp="$file.signing.$$"
pass=$(mktemp)
trap 'rm -f "$tmp" "$pass"' EXIT
chmod 600 "$pass"
printf '%s' "${MARILO_SIGN_PASSWORD-}" >"$pass"
ts=()
[ -z "${MARILO_SIGN_TIMESTAMP:-}" ] || ts=(-ts "$MARILO_SIGN_TIMESTAMP")
osslsigncode sign -pkcs12 "$pfx" -readpass "$pass" -h sha256 \
  -n Marilo "${ts[@]+"${ts[@]}"}" -in "$file" -out "$tmp" >/dev/null
mv "$tmp" "$file"
