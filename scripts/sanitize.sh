#!/usr/bin/env bash
# Builds the libraries without widgets, and their tests, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs those tests.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KW_SANITIZE_BUILD_DIR:-$root/build-sanitize}
KW_BUILD_DIR="$build" KW_BUILD_TYPE=Debug "$root/scripts/build.sh" \
    -DKW_SANITIZE=ON -DKW_WITH_WIDGETS=OFF -DKW_BENCH=OFF "$@"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600
