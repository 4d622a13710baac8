#!/usr/bin/env bash
# Runs the benchmarks of the native tree and prints their figures.
#   tools/bench.sh [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target engine_bench >/dev/null
exec build/native/bench/engine_bench "$@"
