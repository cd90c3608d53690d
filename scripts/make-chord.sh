#!/usr/bin/env bash
# Makes resources/sounds/chord.wav, the short warning chord played when an entry is rejected.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
command -v sox >/dev/null || { echo "make-chord: sox is missing" >&2; exit 1; }
sox -n -r 22050 -c 1 -b 16 "$root/resources/sounds/chord.wav" \
    synth 0.35 sine 523.25 sine 659.25 sine 783.99 remix - fade q 0.01 0.35 0.2 gain -6
