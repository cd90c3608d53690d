#!/usr/bin/env bash
# Runs a command against a private PulseAudio with a null sink (see pulse.sh), for the
# benchmarks that play sound; the server is stopped afterwards.
#   with-sound.sh COMMAND [ARGS...]
set -euo pipefail
[[ $# -gt 0 ]] || { echo "usage: with-sound.sh COMMAND [ARGS...]" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=$(mktemp -d /tmp/kelpwhistle-sound.XXXXXX)
trap '"$here/pulse.sh" stop "$dir"; rm -rf "$dir"' EXIT
"$here/pulse.sh" start "$dir"
XDG_RUNTIME_DIR="$dir" PULSE_SERVER="unix:$dir/pulse/native" \
    PULSE_COOKIE="$dir/home/.config/pulse/cookie" "$@"
