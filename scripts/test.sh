#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test. The tests that need sound start
# their own private PulseAudio (a CTest fixture) and stop it at the end.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$@"
build=${KW_BUILD_DIR:-$root/build}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
