#!/usr/bin/env bash
# Builds the settings fuzz target with clang's libFuzzer (plus address and
# undefined-behaviour checks) and runs it.
#   tools/fuzz.sh [seconds] [extra libFuzzer options...]
# Default 25 seconds; the corpus grows in build/fuzz/corpus and is reused by
# later runs. See docs/fuzzing.md for longer runs.
#
# clang has no -fexec-charset=CP932, so the target is built outside the CMake
# trees, with UTF-8 literals; the sources whose fixed-size kanji tables only
# fit in code page 932 are converted to it first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-25}"
shift || true

out=build/fuzz
mkdir -p "$out/src/calendar" "$out/src/engine" "$out/corpus"

# Every byte of a converted character is written as a hexadecimal escape
# (closed by an empty literal), so that a trail byte 0x5C cannot read as an
# escape or a line splice.
for f in calendar/date_time.cpp engine/port_table_data.cpp; do
  iconv -f UTF-8 -t CP932 "$f" | LC_ALL=C perl -pe 's/((?:[\x81-\x9f\xe0-\xfc][\x40-\x7e\x80-\xfc]|[\xa1-\xdf])+)/join("", map { sprintf("\\x%02X", ord) } split(\/\/, $1)) . "\"\""/ge' \
    > "$out/src/$f"
done

sources=(
  tests/fuzz/settings_fuzz.cpp
  "$out/src/calendar/date_time.cpp"
  calendar/clock.cpp
  calendar/holidays.cpp
  calendar/color_rules.cpp
  engine/port_table.cpp
  "$out/src/engine/port_table_data.cpp"
  engine/port_address.cpp
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
