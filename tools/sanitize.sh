#!/usr/bin/env bash
# The native core, its unit tests and the artwork generator built with
# AddressSanitizer and UndefinedBehaviorSanitizer (build/asan), and run: any
# report ends the run with a failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/asan"
cmake -S "$root" -B "$build" -DTARNIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
      -DTARNIX_BUILD_DIR="$root/build" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target tarnix_unit_tests artgen >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The unit tests in one process: one start under the sanitizers per test would
# cost more than the tests themselves.
"$build/tests/tarnix_unit_tests" --gtest_brief=1 "$@"
ctest --test-dir "$build" -R '^art\.' --output-on-failure | tail -n 3
