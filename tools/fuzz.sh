#!/usr/bin/env bash
# Builds the libFuzzer targets in tests/fuzz (with address and
# undefined-behaviour checks) and runs each of them for the time given.
#   tools/fuzz.sh [seconds per target] [target...] [libFuzzer options...]
# Default 25 seconds each, every target; arguments starting with '-' go to
# libFuzzer unchanged. Each target's corpus grows in build/fuzz/corpus/<target>
# and is reused by later runs; inputs kept in tests/fuzz/corpus/<target> are
# read as seeds. See docs/fuzzing.md for longer runs.
#
# clang has no -fexec-charset=CP932, so the targets are built outside the
# CMake trees; every source with non-ASCII text is converted to code page 932
# first, so that literals hold the bytes the program holds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-25}"
shift || true
chosen=()
options=()
for a in "$@"; do
  case "$a" in
    -*) options+=("$a") ;;
    *) chosen+=("$a") ;;
  esac
done

out=build/fuzz
mkdir -p "$out/src"

# The sources of each target, besides tests/fuzz/<target>.cpp.
calendar=(calendar/date_time.cpp calendar/clock.cpp calendar/holidays.cpp calendar/color_rules.cpp)
ports=(engine/port_table.cpp engine/port_table_data.cpp engine/port_address.cpp)
declare -A deps=(
  [settings_fuzz]="${calendar[*]} ${ports[*]} app/settings.cpp app/recent_ports.cpp app/memory_store.cpp"
  [colour_text_fuzz]="${calendar[*]} ${ports[*]} app/settings.cpp app/recent_ports.cpp"
  [rule_length_fuzz]="${calendar[*]} ${ports[*]} app/settings.cpp app/recent_ports.cpp settings_ui/integer_text.cpp settings_ui/rule_pages.cpp settings_ui/choice_lists.cpp platform/cp932.cpp platform/cp932_table.cpp"
  [cli_options_fuzz]="${calendar[*]} ${ports[*]} engine/tide_day.cpp engine/tide_stages.cpp engine/turning_points.cpp engine/astronomy.cpp engine/moon.cpp engine/ephemeris.cpp engine/port_labels.cpp platform/cp932.cpp platform/cp932_table.cpp alerts/alert_scheduler.cpp cli/options.cpp"
  [program_arguments_fuzz]="app/command_line.cpp"
)
all=(settings_fuzz colour_text_fuzz rule_length_fuzz cli_options_fuzz program_arguments_fuzz)
[ ${#chosen[@]} -gt 0 ] || chosen=("${all[@]}")

# A source as clang compiles it: with non-ASCII text, converted to code page
# 932, every byte of a converted character written as a hexadecimal escape
# (closed by an empty literal), so that a trail byte 0x5C cannot read as an
# escape or a line splice.
converted() {
  local f="$1"
  if LC_ALL=C grep -q '[^[:print:][:space:]]' "$f"; then
    mkdir -p "$out/src/$(dirname "$f")"
    if [ ! -f "$out/src/$f" ] || [ "$f" -nt "$out/src/$f" ]; then
      iconv -f UTF-8 -t CP932 "$f" | LC_ALL=C perl -pe 's/((?:[\x81-\x9f\xe0-\xfc][\x40-\x7e\x80-\xfc]|[\xa1-\xdf])+)/join("", map { sprintf("\\x%02X", ord) } split(\/\/, $1)) . "\"\""/ge' \
        > "$out/src/$f"
    fi
    echo "$out/src/$f"
  else
    echo "$f"
  fi
}

status=0
for name in "${chosen[@]}"; do
  [ -n "${deps[$name]+x}" ] || { echo "no fuzz target $name (targets: ${all[*]})" >&2; exit 2; }
  # Each source is compiled once into build/fuzz/obj and shared by the
  # targets that use it; an object is rebuilt when its source, a header or
  # this script is newer.
  objects=()
  for f in "tests/fuzz/$name.cpp" ${deps[$name]}; do
    o="$out/obj/${f%.cpp}.o"
    newest=$(ls -t "$f" */*.h tests/fuzz/*.h tools/fuzz.sh | head -1)
    if [ ! -f "$o" ] || [ "$newest" -nt "$o" ]; then
      echo "Compiling $f"
      mkdir -p "$(dirname "$o")"
      clang++ -std=c++20 -g -O1 -Wall -Wextra -Wshadow -Wno-invalid-source-encoding \
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
        -I. -c "$(converted "$f")" -o "$o"
    fi
    objects+=("$o")
  done
  target="$out/$name"
  if [ ! -x "$target" ] || [ -n "$(find "${objects[@]}" -newer "$target")" ]; then
    echo "Linking $target"
    clang++ -fsanitize=fuzzer,address,undefined "${objects[@]}" -o "$target"
  fi
  corpus="$out/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
  echo "Fuzzing $name for ${seconds} s"
  set +e
  "$target" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$out/$name-" ${options[@]+"${options[@]}"} "$corpus" ${seeds[@]+"${seeds[@]}"} \
    > "$out/$name.log" 2>&1
  rc=$?
  set -e
  tail -n 14 "$out/$name.log"
  [ $rc -eq 0 ] || { echo "$name failed (exit $rc); the log is $out/$name.log" >&2; status=$rc; }
done
exit $status
