#!/usr/bin/env bash
# Builds the subtitle reader's libFuzzer target with clang and runs it for SECONDS (default 60).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build=${KW_FUZZ_BUILD_DIR:-$root/build-fuzz}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKW_FUZZ=ON -DKW_WITH_WIDGETS=OFF -DKW_TESTS=OFF -DKW_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_lrc
corpus="$build/lrc-corpus"
mkdir -p "$corpus"
cp "$root"/tests/fuzz/seeds/* "$corpus"/ 2>/dev/null || true
log="$build/fuzz_lrc.log"
echo "fuzz: running the subtitle reader's fuzz target for $seconds s (log: $log)"
if ! "$build/tests/fuzz/fuzz_lrc" -max_total_time="$seconds" -max_len=1048576 -timeout=2 \
    -rss_limit_mb=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz: FAILED" >&2
    exit 1
fi
grep -E '^(Done|stat::(number_of_executed_units|slowest_unit_time_sec|peak_rss_mb))' "$log"
