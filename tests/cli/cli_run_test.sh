#!/usr/bin/env bash
# Runs the built marilo-cli as a user does.
#   cli_run_test.sh text CLI  help and errors are UTF-8
#   cli_run_test.sh now CLI   without --date or --time the moment is the
#                             present one in the port's zone time, whatever
#                             the machine's time zone
#   cli_run_test.sh find CLI  --find as a user types: kana in three forms
#                             finds ポナペ, 静岡 its 18 ports, nothing exit 1
#   cli_run_test.sh ics CLI   --ics read by a standard iCalendar parser
#                             (tools/ics-check; skipped, status 77, until
#                             tools/test.sh has installed it)
#   cli_run_test.sh nozero CLI  no level is written "-0" in --month for every
#                             month of 2024-2026, nor in --ics, --tsv or the
#                             text of those years
# Expectations come from date(1), not from the program.
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
  for args in "--port $(printf '\x93\x63\x8e\x71')" "--port 白浜" "$(printf '\xff') --tsv" "--month 2024-13" \
              "--ics --date 9999-12-01 --days 32"; do
    status=0
    err=$("$cli" $args 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "$args: exit status $status, not 2"
    if printf '%s\n' "$err" | not_utf8; then fail "$args: the error is not UTF-8"; fi
    echo "$err"
  done
  ;;

find)
  for text in ぽなぺ ポナペ ﾎﾟﾅﾍﾟ; do
    out=$("$cli" --find "$text") || fail "--find $text: exit status $?"
    [ "$out" = "$(printf '58003\tポナペ\tその他')" ] || fail "--find $text: '$out'"
  done
  out=$("$cli" --find 静岡)
  [ "$(wc -l <<<"$out")" -eq 18 ] || fail "--find 静岡: $(wc -l <<<"$out") lines, not 18"
  grep -qv $'\t東海 / 静岡$' <<<"$out" && fail "--find 静岡: a port of another group"
  status=0
  err=$("$cli" --find 富士山頂 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 1 ] || fail "--find 富士山頂: exit status $status, not 1"
  grep -q "no port matches '富士山頂'" <<<"$err" || fail "--find 富士山頂: '$err'"
  ;;

now)
  [ "$(TZ=America/New_York date +%z)" != "+0000" ] || { echo "FAIL: no time zone data (tzdata)"; exit 1; }
  # run TZ PORT HOURS ARGS...: runs the program at that port, in that machine
  # time zone, and leaves the date and time it prints in $day and $clock and
  # the moments before and after the run, moved to the port's zone time
  # (UTC + HOURS), in $from and $to.
  run() {
    local tz=$1 port=$2 hours=$3 out
    shift 3
    from=$(( $(date -u +%s) + hours * 3600 ))
    out=$(TZ=$tz "$cli" --port "$port" "$@")
    to=$(( $(date -u +%s) + hours * 3600 ))
    day=$(sed -n '1s/.* \([0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\)(.*/\1/p' <<<"$out")
    clock=$(sed -n '2s/^ *\([0-9][0-9]:[0-9][0-9]\) .*/\1/p' <<<"$out")
    [ -n "$day" ] && [ -n "$clock" ] || { fail "TZ=$tz --port $port $*: no date and time in"$'\n'"$out"; return 1; }
  }
  # near DAY CLOCK: that wall-clock moment lies between $from and $to, within a minute.
  near() {
    local shown
    shown=$(date -u -d "$1 $2" +%s)
    [ "$shown" -ge $(( from / 60 * 60 - 60 )) ] && [ "$shown" -le $(( to + 60 )) ]
  }
  zone_day() { date -u -d "@$1" +%F; }

  for tz in UTC America/New_York; do
    # 52214 田子の浦 and 50104 花咲 (145.6° E, still Japan Standard Time), UTC+9;
    # 58003 ポナペ, UTC+11.
    for case in "52214 9" "50104 9" "58003 11"; do
      set -- $case
      if run "$tz" "$1" "$2"; then
        near "$day" "$clock" || fail "TZ=$tz --port $1: $day $clock is not now at UTC+$2"
      fi
    done
    # Only a time: today in the port's zone. Only a date: now in the port's zone.
    if run "$tz" 58003 11 --time 00:00; then
      [ "$clock" = 00:00 ] || fail "TZ=$tz --time 00:00 printed $clock"
      [ "$day" = "$(zone_day "$from")" ] || [ "$day" = "$(zone_day "$to")" ] ||
        fail "TZ=$tz --port 58003 --time 00:00: $day is not today at UTC+11"
    fi
    if run "$tz" 52214 9 --date 2024-01-11; then
      [ "$day" = 2024-01-11 ] || fail "TZ=$tz --date 2024-01-11 printed $day"
      near "$(zone_day "$from")" "$clock" || near "$(zone_day "$to")" "$clock" ||
        fail "TZ=$tz --port 52214 --date 2024-01-11: $clock is not now at UTC+9"
    fi
  done
  ;;

ics)
  check=$(dirname "$0")/../../tools/ics-check
  [ -d "$check/node_modules/ical.js" ] || { echo "SKIP: npm ci --prefix tools/ics-check first"; exit 77; }
  node "$check/check.mjs" "$cli" || failed=1
  ;;

nozero)
  # A level between -0.5 and 0 is written as 0: 2024-01-09 has one at 田子の浦.
  grep -q '^2024-01-09.* 0$\|^2024-01-09.* 0 ' <(LC_ALL=C "$cli" --month 2024-01) ||
    fail "--month 2024-01: 2024-01-09 has no low water written 0"
  for y in 2024 2025 2026; do
    for m in 01 02 03 04 05 06 07 08 09 10 11 12; do
      if LC_ALL=C "$cli" --month "$y-$m" | LC_ALL=C grep -E '(^|[ \t])-0(\.0*)?([ \t]|cm|$)'; then
        fail "--month $y-$m writes -0"
      fi
    done
  done
  for args in "--ics --date 2024-01-01 --days 1096" "--tsv --date 2024-01-01 --days 1096" \
              "--date 2024-01-01 --days 1096"; do
    if LC_ALL=C "$cli" $args | LC_ALL=C grep -E '(^|[ \t])-0(\.0*)?([ \t]|cm|$)' | head -3 | grep .; then
      fail "$args writes -0"
    fi
  done
  ;;

*)
  echo "usage: $0 text|now|ics|nozero CLI" >&2
  exit 2
  ;;
esac
exit $failed
