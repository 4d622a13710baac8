#!/usr/bin/env bash
# Runs the built marilo-cli as a user does.
#   cli_run_test.sh text CLI  help and errors are UTF-8
set -euo pipefail
mode=$1
cli=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# In a UTF-8 locale grep's '.' matches no invalid byte, so a line that is not
# wholly '.*' is not UTF-8.
not_utf8() { LC_ALL=C.UTF-8 grep -naxv '.*'; }

case $mode in
text)
  help=$("$cli" --help)
  if printf '%s\n' "$help" | not_utf8; then fail "--help is not UTF-8"; fi
  grep -q '田子の浦' <<<"$help" || fail "--help does not name 田子の浦"
  # Arguments in cp932 (田子) and a name shared by three ports.
  for args in "--port $(printf '\x93\x63\x8e\x71')" "--port 白浜" "$(printf '\xff') --tsv"; do
    status=0
    err=$("$cli" $args 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "$args: exit status $status, not 2"
    if printf '%s\n' "$err" | not_utf8; then fail "$args: the error is not UTF-8"; fi
    echo "$err"
  done
  ;;

*)
  echo "usage: $0 text CLI" >&2
  exit 2
  ;;
esac
exit $failed
