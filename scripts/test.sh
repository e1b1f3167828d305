#!/usr/bin/env bash
# Installs what is missing, builds the program twice (optimised, and with AddressSanitizer and
# UndefinedBehaviorSanitizer), checks the libraries with clang-tidy and runs the whole test suite
# on both builds through ctest.
#
# clang-tidy needs the optimised build's compile commands and nothing else, and most of the
# tests' time is spent waiting for real X, Wayland and audio servers. So it runs beside the tests
# and the sanitizer build at the idle scheduling class: it takes only the processor time nothing
# else wants, and the tests' timing is what it would be without it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

echo "== dev build"
cmake --preset dev >/dev/null
cmake --build --preset dev

echo "== clang-tidy (beside what follows)"
tidy_log="$(mktemp "${TMPDIR:-/tmp}/mindrova-tidy.XXXXXX")"
setsid chrt --idle 0 scripts/tidy.sh build/dev >"$tidy_log" 2>&1 &
tidy_pid=$!
stop_tidy() { kill -- -"$tidy_pid" 2>/dev/null || true; }
trap stop_tidy EXIT

tests_failed=0
echo "== dev tests"
ctest --preset dev || tests_failed=1
echo "== asan build"
cmake --preset asan >/dev/null
cmake --build --preset asan
echo "== asan tests"
ctest --preset asan || tests_failed=1

echo "== clang-tidy"
tidy_status=0
wait "$tidy_pid" || tidy_status=$?
trap - EXIT
cat "$tidy_log"
rm -f "$tidy_log"
if [ "$tidy_status" -ne 0 ]; then
    echo "clang-tidy found problems (exit $tidy_status)"
    exit "$tidy_status"
fi
exit "$tests_failed"
