#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over the program's sources, every folder that
# folders.txt lists; any warning fails.
# Usage: scripts/tidy.sh [build folder with compile_commands.json, default build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
root="$(pwd)"
folders=$(grep -E '^[a-z]' folders.txt | awk '{print $1}' | paste -sd '|')
# A header is reached through its library's own include folder in the build tree, as
# <library>/<folder>/<name>.h, or from the source tree beside its .cpp.
run-clang-tidy -quiet -j "$(nproc)" -p "$build" \
    -header-filter="/($folders)/[^/]+\.h$" \
    "^$root/($folders)/[^/]+\.cpp$"
