#!/usr/bin/env bash
# Builds the settings fuzz target with clang's libFuzzer (plus address and
# undefined-behaviour checks) and runs it.
#   tools/fuzz.sh [seconds] [extra libFuzzer options...]
# Default 25 seconds; the corpus grows in build/fuzz/corpus and is reused by
# later runs. See docs/fuzzing.md for longer runs.
#
# clang has no -fexec-charset=CP932, so the target is built outside the CMake
# trees, with UTF-8 literals; the sources whose fixed-size kanji tables only
# fit in code page 932 (dates, the port table) are converted to it first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-25}"
shift || true

out=build/fuzz
mkdir -p "$out/src/calendar" "$out/src/engine" "$out/corpus"

iconv -f UTF-8 -t CP932 calendar/date_time.cpp > "$out/src/calendar/date_time.cpp"
# A second byte 0x5C ('\') of a double-byte character would read as an escape
# or a line splice in the converted source: refuse rather than build wrongly.
if LC_ALL=C grep -qP '[\x81-\x9F\xE0-\xFC]\x5C' "$out/src/calendar/date_time.cpp"; then
  echo "fuzz.sh: calendar/date_time.cpp holds a character whose cp932 form ends in 0x5C" >&2
  exit 2
fi
# Port names do hold such characters (ソ, 表): every byte of the table's
# double-byte characters (and any other byte above 0x7F) is written as an
# escape, each closing its piece of the literal.
iconv -f UTF-8 -t CP932 engine/port_table_data.cpp |
  LC_ALL=C perl -pe 's/([\x81-\x9F\xE0-\xFC][\x40-\x7E\x80-\xFC]|[\x80-\xFF])/join "", map { sprintf("\\x%02X\"\"", ord) } split \/\/, $1/ge' \
  > "$out/src/engine/port_table_data.cpp"

sources=(
  tests/fuzz/settings_fuzz.cpp
  "$out/src/calendar/date_time.cpp"
  calendar/clock.cpp
  calendar/holidays.cpp
  calendar/color_rules.cpp
  engine/port_table.cpp
  engine/port_address.cpp
  "$out/src/engine/port_table_data.cpp"
  app/settings.cpp
  app/memory_store.cpp
)
target="$out/settings_fuzz"
newest=$(ls -t "${sources[@]}" calendar/*.h app/*.h engine/port_table.h engine/port_address.h tools/fuzz.sh | head -1)
if [ ! -x "$target" ] || [ "$newest" -nt "$target" ]; then
  echo "Building $target"
  clang++ -std=c++20 -g -O1 -Wall -Wextra -Wshadow -Wno-invalid-source-encoding \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I. "${sources[@]}" -o "$target"
fi

echo "Fuzzing the settings store for ${seconds} s"
"$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$out/" "$@" "$out/corpus" 2>&1 | tail -n 25
exit "${PIPESTATUS[0]}"
