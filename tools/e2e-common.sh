# What every end-to-end script shares; sourced, never run. The script's first
# argument is the Windows build tree (BUILD_DIR/bin holds the executables);
# e2e_bench NAME gives the script a bench of its own under BUILD_DIR/NAME.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
export MARILO_BIN="$build/bin"
# The bench machine's clock is set in Japan, as its users' usually are: the
# program's clock (MARILO_NOW, the machine's local time) is then the default
# port's zone time too. A script may set another TZ after this (POSIX form:
# MinGW's runtime reads no other).
export TZ=JST-9
failures=0
passes=0

e2e_bench() {  # e2e_bench NAME: sets work and bench
  work="$build/$1"
  bench=("$root/tools/wine-bench.sh" --dir "$work")
}
check() {  # check NAME CONDITION-EXIT-STATUS
  if [ "$2" -eq 0 ]; then echo "PASS $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}
drive() { "${bench[@]}" drive "$@" | tr -d '\r'; }
# One value of the settings key as `wine-bench.sh reg` lists it.
value() { awk -v n="$1" '$1 == n { print $3 }' "$2"; }
# The menu item texts in Wine's menu messages (WINEDEBUG=+menu), one a line.
decode_menu_texts() {
  LC_ALL=C perl -CO -ne 'while (/Text=L"((?:[^"\\]|\\.)*)"/g) { my $t = $1; $t =~ s/\\([0-9a-f]{4})/chr(hex($1))/ge; print "$t\n" }' "$@"
}
e2e_summary() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
