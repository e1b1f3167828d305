#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over the libraries' sources; any warning fails.
# Usage: scripts/tidy.sh [build folder with compile_commands.json, default build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
root="$(pwd)"
run-clang-tidy -quiet -j "$(nproc)" -p "$build" \
    "^$root/(support|engine|session|journal|personal|display|session_window|app)/[^/]+\.cpp$"
