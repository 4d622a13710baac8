#!/usr/bin/env bash
# Tests tools/release.sh on a built Windows tree (default build/windows):
#   - unsigned: nothing asks for a certificate, the executables carry no
#     signature, SHA256SUMS passes sha256sum -c, and the winget manifests
#     agree with the setup's real values (tools/ci-lint/check-winget.mjs);
#   - signed with a throw-away certificate made here with openssl: Marilo.exe
#     in the zip, the setup, and Marilo.exe and the uninstaller that the setup
#     installs (silently, under Wine) pass osslsigncode verify against that
#     certificate, and SHA256SUMS, of the signed files, passes sha256sum -c.
#   tools/release-test.sh [BUILD_DIR]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build/windows}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION STATUS
  if [ "$2" -eq 0 ]; then echo "ok    $1"; else echo "FAIL  $1"; failures=$((failures + 1)); fi
}
release() { tools/release.sh --dirty --build-dir "$build" --repository https://github.com/example/marilo "$@"; }
version=$(sed -n 's/^project(Marilo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="Marilo-$version-win64-setup.exe"
zip="Marilo-$version-win64.zip"
signed() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }

# Unsigned, with no password in the environment and nothing on stdin.
(unset MARILO_SIGN_PASSWORD; release --out "$work/plain" </dev/null >"$work/plain.log" 2>&1)
rc=$?; check "release.sh without --sign makes the packages" $rc
[ $rc -eq 0 ] || cat "$work/plain.log"
[ -f "$work/plain/$setup" ] && [ -f "$work/plain/$zip" ]; check "the setup and the zip are in --out" $?
(cd "$work/plain" && sha256sum --quiet -c SHA256SUMS); check "SHA256SUMS of the unsigned files passes sha256sum -c" $?
[ "$(wc -l <"$work/plain/SHA256SUMS")" -eq 2 ]; check "SHA256SUMS lists the two downloads" $?
osslsigncode verify -in "$work/plain/$setup" >/dev/null 2>&1; [ $? -ne 0 ]; check "the unsigned setup carries no signature" $?
node tools/ci-lint/check-winget.mjs "$work/plain"; check "the winget manifests agree with the setup" $?
# The zip depends on the commit alone: entries in name order, each at the
# last commit's time (to the even second a zip keeps), no extra fields.
names=$(zipinfo -1 "$work/plain/$zip")
[ -n "$names" ] && [ "$names" = "$(LC_ALL=C sort <<<"$names")" ]; check "the zip's entries are in name order" $?
epoch=$(git log -1 --format=%ct)
when=$(TZ=UTC date -d "@$((epoch / 2 * 2))" +%Y%m%d.%H%M%S)
[ "$(zipinfo -T -l "$work/plain/$zip" | awk '$8 ~ /^[0-9]+\.[0-9]+$/ { print $8 }' | sort -u)" = "$when" ]
check "every zip entry has the last commit's time" $?
! zipinfo -v "$work/plain/$zip" | grep 'length of extra field' | grep -vq ' 0 bytes'
check "the zip's entries carry no extra fields" $?

# A throw-away code-signing certificate.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=Marilo release test" -addext keyUsage=critical,digitalSignature \
  -addext extendedKeyUsage=codeSigning >/dev/null 2>&1
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/test.pfx" \
  -passout pass:throw-away
check "a throw-away certificate" $?

(unset MARILO_SIGN_PASSWORD; release --out "$work/nopass" --sign "$work/test.pfx" </dev/null >"$work/nopass.log" 2>&1)
[ $? -ne 0 ] && grep -q MARILO_SIGN_PASSWORD "$work/nopass.log"
check "--sign without MARILO_SIGN_PASSWORD is refused, naming the variable" $?

MARILO_SIGN_PASSWORD=throw-away release --out "$work/signed" --sign "$work/test.pfx" >"$work/signed.log" 2>&1
rc=$?; check "release.sh --sign makes signed packages" $rc
[ $rc -eq 0 ] || cat "$work/signed.log"
signed "$work/signed/$setup"; check "the setup's signature verifies" $?
grep -q 'CN=Marilo release test' "$work/verify.log"; check "the setup is signed with the given certificate" $?
unzip -p "$work/signed/$zip" "Marilo-$version-win64/Marilo.exe" >"$work/zip-Marilo.exe"
signed "$work/zip-Marilo.exe"; check "Marilo.exe in the zip is signed" $?
(cd "$work/signed" && sha256sum --quiet -c SHA256SUMS); check "SHA256SUMS of the signed files passes sha256sum -c" $?
node tools/ci-lint/check-winget.mjs "$work/signed" >/dev/null; check "the manifests carry the signed setup's hash" $?

# What the signed setup installs: a silent install into a folder of the test
# tree's Wine prefix, then its own uninstaller, silently, removes it again.
prefix="$root/$build/wineprefix"
drive="$prefix/drive_c/marilo-release-test"
rm -rf "$drive"
tools/with-display.sh tools/wine-run.sh --prefix "$prefix" "$work/signed/$setup" /S '/D=C:\marilo-release-test' >/dev/null 2>&1
[ -f "$drive/Uninstall.exe" ]; check "the signed setup installs silently" $?
signed "$drive/Marilo.exe"; check "the installed Marilo.exe is signed" $?
signed "$drive/Uninstall.exe"; check "the uninstaller is signed" $?
tools/with-display.sh tools/wine-run.sh --prefix "$prefix" "$drive/Uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 40); do [ -e "$drive/Marilo.exe" ] || break; sleep 0.5; done
[ ! -e "$drive/Marilo.exe" ]; check "the signed uninstaller removes it" $?
rm -rf "$drive"

[ "$failures" -eq 0 ] || { echo "release-test: $failures check(s) failed" >&2; exit 1; }
echo "release-test: all checks passed"
