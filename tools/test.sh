#!/usr/bin/env bash
# Builds both trees and runs every test: the native tests, then the same tests
# (and the Windows-only ones) as Windows executables under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
# The node tools' packages before any test: ctest's cli_ics_parsed reads the
# calendar with ics-check's parser.
npm ci --prefix tools/porttable --silent
npm ci --prefix tools/ephemeris --silent
npm ci --prefix tools/ics-check --silent

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
# The benchmarks once, briefly, so their figures (and allocation counts) show.
build/native/bench/engine_bench --benchmark_min_time=0.05
build/native/bench/calendar_bench --benchmark_min_time=0.05
build/native/bench/alerts_bench --benchmark_min_time=0.05
# The generated port table matches its pinned source, and the conversion
# round-trips against an independent predictor.
node tools/porttable/generate.mjs --check
npm test --prefix tools/porttable
# Sunrise, sunset, twilight, moonrise and moonset against an independent
# ephemeris, four ports over a year (the full run is in docs/accuracy.md).
node tools/ephemeris/compare.mjs --quick
# marilo-cli --ics read by a standard iCalendar parser and compared with --tsv.
node tools/ics-check/check.mjs build/native/cli/marilo-cli
# A short fuzzing run of every fuzz target (10 s each).
tools/fuzz.sh 10

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
