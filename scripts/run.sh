#!/usr/bin/env bash
# Sets up the machine, builds Kelpwhistle and starts it with the bundled sample lesson.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build=${KW_BUILD_DIR:-$root/build}
exe="$build/src/app/kelpwhistle"
if [[ ! -x "$exe" ]]; then
    echo "run: the program is not built yet ($exe missing); the libraries and tests were built." >&2
    exit 1
fi
exec "$exe" "$build/src/app/eg.mp3"
