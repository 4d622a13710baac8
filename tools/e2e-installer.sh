#!/usr/bin/env bash
# End to end under Wine: the packages a Windows user downloads. CPack makes
# the setup program and the zip; on a fresh prefix a setup into a folder
# that cannot be made ends with an error and installs nothing; a silent
# setup with /AUTOSTART=1 over a running Marilo ends it as Exit does (its
# settings saved), installs under AppData\Local\Programs with a Start-menu
# shortcut, the sign-in value and the Apps-and-features entry, and starts the
# installed copy again; its menu item "Windows の起動時に開始" turns the
# sign-in value off and on (re-approving one the start-up manager had turned
# off); the entry's UninstallString with /S ends the program and leaves
# nothing but the settings.
#   e2e-installer.sh BUILD_DIR        (the Windows tree, built)
set -uo pipefail
source "$(dirname "$0")/e2e-common.sh"
e2e_bench e2e-installer

cmd_sign_in=32811
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
approved_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
uninst_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Marilo'
wine=$(command -v wine64 || command -v wine)
inwine() { WINEPREFIX="$work/prefix" WINEDEBUG=-all "$wine" "$@" 2>/dev/null | tr -d '\r'; }
# One registry value's data as reg.exe prints it (empty when absent).
regval() { inwine reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }

"${bench[@]}" stop >/dev/null 2>&1 || true
trap '"${bench[@]}" stop >/dev/null 2>&1 || true' EXIT
rm -f "$build"/Marilo-*-win64-setup.exe "$build"/Marilo-*-win64.zip
mkdir -p "$work"
(cd "$build" && cpack) > "$work/cpack.log" 2>&1; check "cpack makes the packages" $?
setup=$(ls "$build"/Marilo-*-win64-setup.exe 2>/dev/null | head -1)
zip=$(ls "$build"/Marilo-*-win64.zip 2>/dev/null | head -1)
version=$(sed -n 's/^project(Marilo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ "$setup" = "$build/Marilo-$version-win64-setup.exe" ] && [ "$zip" = "$build/Marilo-$version-win64.zip" ]
check "both packages carry the project's version $version" $?
listing=$(cmake -E tar tf "$zip" 2>/dev/null)
for f in Marilo.exe LICENSE NOTICE guide-ja.html; do
  grep -qx "Marilo-$version-win64/$f" <<< "$listing"; check "the zip holds $f" $?
done

"${bench[@]}" prepare --fresh
mkdir -p "$work/prefix/drive_c" && touch "$work/prefix/drive_c/blocker"
"${bench[@]}" launch "$setup" /S '/D=C:\blocker\Marilo'; rc=$?
[ "$rc" -ne 0 ] && [ -z "$(regval "$uninst_key" DisplayName)" ] && [ -z "$(regval "$run_key" Marilo)" ] &&
  ! find "$work/prefix/drive_c/users" -name Marilo.exe | grep -q .
check "a folder that cannot be made: exit code $rc, nothing installed" $?

# The build's own Marilo runs; the setup replaces it.
"${bench[@]}" start
"${bench[@]}" drive wait-window 60; check "the running Marilo appears" $?
sleep 4
# A port chosen from the menu is kept only by the program's own end.
drive command 50001; sleep 1; drive close-menu >/dev/null 2>&1
"${bench[@]}" launch "$setup" /S /AUTOSTART=1; check "the silent setup succeeds" $?
reg_now=$("${bench[@]}" reg)
[ "$(value Ken <(echo "$reg_now"))" = 0x0 ] && [ "$(value Port <(echo "$reg_now"))" = 0x0 ]
check "the running Marilo was ended as Exit ends it (the chosen port saved)" $?

loc=$(regval "$uninst_key" InstallLocation)
[[ "$loc" == *'\AppData\Local\Programs\Marilo' ]]; check "InstallLocation under AppData\\Local\\Programs ($loc)" $?
dir=$(inwine winepath -u "$loc")
for f in Marilo.exe LICENSE NOTICE guide-ja.html Uninstall.exe; do
  [ -f "$dir/$f" ]; check "installed: $f" $?
done
lnk=$(find "$work/prefix/drive_c/users" -path '*Start Menu/Programs/Marilo.lnk' | head -1)
[ -n "$lnk" ]; check "a Start-menu shortcut" $?
[ "$(regval "$uninst_key" DisplayName)" = Marilo ] && [ "$(regval "$uninst_key" DisplayVersion)" = "$version" ] &&
  [ -n "$(regval "$uninst_key" Publisher)" ] && [ "$(regval "$uninst_key" DisplayIcon)" = "$loc\\Marilo.exe,0" ] &&
  [ "$(regval "$uninst_key" NoModify)" = 0x1 ] && [ "$(regval "$uninst_key" NoRepair)" = 0x1 ] &&
  [ "$(regval "$uninst_key" EstimatedSize)" != 0x0 ] && [ -n "$(regval "$uninst_key" EstimatedSize)" ]
check "the Apps-and-features entry holds every value" $?
[ "$(regval "$run_key" Marilo)" = "\"$loc\\Marilo.exe\"" ]; check "the sign-in value names the installed Marilo.exe" $?
"${bench[@]}" drive wait-window 30; check "the installed Marilo starts again" $?
sleep 4

# The menu item: turned off by the start-up manager, it shows off and
# choosing it turns it on again; then off (gone) and on (written).
inwine reg add "$approved_key" /v Marilo /t REG_BINARY /d 030000000000000000000000 /f >/dev/null
drive command $cmd_sign_in; sleep 1
[ "$(regval "$run_key" Marilo)" = "\"$loc\\Marilo.exe\"" ] && [[ "$(regval "$approved_key" Marilo)" == 02* ]]
check "on, over an entry the start-up manager turned off: approved again" $?
drive command $cmd_sign_in; sleep 1
[ -z "$(regval "$run_key" Marilo)" ]; check "off: the sign-in value is gone" $?
drive command $cmd_sign_in; sleep 1
[ "$(regval "$run_key" Marilo)" = "\"$loc\\Marilo.exe\"" ]; check "on: the value names this executable, quoted" $?

uninstall=$(regval "$uninst_key" UninstallString)
uninstall=${uninstall//\"/}
inwine "$uninstall" /S
# The uninstaller runs on from a copy of itself: wait for its work.
for _ in $(seq 60); do
  [ -z "$(regval "$uninst_key" DisplayName)" ] && [ ! -e "$dir" ] && break
  sleep 1
done
"${bench[@]}" drive wait-gone 10; check "the uninstaller ends the running Marilo" $?
[ ! -e "$dir" ]; check "no installed file is left" $?
! find "$work/prefix/drive_c/users" -name Marilo.lnk | grep -q .; check "no shortcut is left" $?
[ -z "$(regval "$run_key" Marilo)" ] && [ -z "$(regval "$uninst_key" DisplayName)" ]
check "no sign-in value and no Apps-and-features entry" $?
[ "$(value IsVirgin <("${bench[@]}" reg))" = 0x0 ]; check "the settings stay" $?

e2e_summary
