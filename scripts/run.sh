#!/usr/bin/env bash
# Installs what building and running need, builds the program (without tests or benchmarks) and
# starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset run >/dev/null
cmake --build --preset run
exec build/run/mindrova "$@"
