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
# Each phase says when it starts, in seconds since the command began.
phase() { echo "== $1 (at ${SECONDS} s)"; }
phase "packages"
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

phase "dev build"
cmake --preset dev >/dev/null
cmake --build --preset dev

phase "clang-tidy (beside what follows)"
tidy_log="$(mktemp "${TMPDIR:-/tmp}/mindrova-tidy.XXXXXX")"
setsid chrt --idle 0 scripts/tidy.sh build/dev >"$tidy_log" 2>&1 &
tidy_pid=$!
stop_tidy() { kill -- -"$tidy_pid" 2>/dev/null || true; }
trap stop_tidy EXIT

# Each run's list of failed tests is kept, so that it can be told again at the very end, where a
# reader of the log's last lines finds it.
failed_list="$(mktemp "${TMPDIR:-/tmp}/mindrova-failed.XXXXXX")"
run_tests() {
    local preset=$1 log
    log="$(mktemp "${TMPDIR:-/tmp}/mindrova-ctest.XXXXXX")"
    local status=0
    ctest --preset "$preset" 2>&1 | tee "$log" || status=$?
    if [ "$status" -ne 0 ]; then
        tests_failed=1
        sed -n '/The following tests FAILED:/,$p' "$log" | grep -E '^\s+[0-9]+ - ' |
            sed "s/^/$preset: /" >>"$failed_list" || true
    fi
    rm -f "$log"
}

tests_failed=0
phase "dev tests"
run_tests dev
phase "asan build"
cmake --preset asan >/dev/null
cmake --build --preset asan
phase "asan tests"
run_tests asan

phase "clang-tidy"
tidy_status=0
wait "$tidy_pid" || tidy_status=$?
trap - EXIT
cat "$tidy_log"
rm -f "$tidy_log"
if [ "$tests_failed" -ne 0 ]; then
    # Once more, each failed test alone with its whole output, for the end of the log.
    echo "== failed tests"
    cat "$failed_list"
    while read -r preset number _ name _; do
        preset=${preset%:}
        echo "== $preset: $name again, alone"
        ctest --preset "$preset" -I "$number,$number" 2>&1 | tail -n 80 || true
    done <"$failed_list"
fi
rm -f "$failed_list"
if [ "$tidy_status" -ne 0 ]; then
    echo "clang-tidy found problems (exit $tidy_status)"
    exit "$tidy_status"
fi
phase "done"
exit "$tests_failed"
