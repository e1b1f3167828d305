#!/usr/bin/env bash
# Installs what is missing, builds the program twice (optimised, and with AddressSanitizer and
# UndefinedBehaviorSanitizer), checks the libraries with clang-tidy and runs the whole test suite
# on both builds through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    if [ "$preset" = dev ]; then
        echo "== clang-tidy"
        scripts/tidy.sh build/dev
    fi
    echo "== $preset tests"
    ctest --preset "$preset"
done
