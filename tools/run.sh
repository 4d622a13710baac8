#!/usr/bin/env bash
# Builds the native tree and shows today's tides at the default port with the
# command line companion. Arguments are passed on to marilo-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target marilo-cli >/dev/null
exec build/native/cli/marilo-cli "$@"
