#!/usr/bin/env bash
# Starts or stops a private PulseAudio with a null sink ("testsink") and a silent null source
# ("testsrc"), for tests that play or record sound on machines without sound hardware.
#   pulse.sh start DIR   server socket at DIR/pulse/native, log at DIR/pulse.log
#   pulse.sh stop DIR
set -euo pipefail
cmd=${1:?usage: pulse.sh start|stop DIR}
dir=${2:?usage: pulse.sh start|stop DIR}
export XDG_RUNTIME_DIR="$dir"
export HOME="$dir/home"
export PULSE_SERVER="unix:$dir/pulse/native"
export PULSE_COOKIE="$dir/home/.config/pulse/cookie"

stop() {
    if [[ -f "$dir/keepalive.pid" ]]; then
        kill "$(cat "$dir/keepalive.pid")" 2>/dev/null || true
        rm -f "$dir/keepalive.pid"
    fi
    pulseaudio --kill 2>/dev/null || true
}

case "$cmd" in
start)
    command -v pulseaudio >/dev/null || { echo "pulse.sh: pulseaudio is not installed" >&2; exit 1; }
    mkdir -p "$dir" "$HOME"
    chmod 700 "$dir"
    stop
    pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 -n --use-pid-file=yes \
        --log-target="file:$dir/pulse.log" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/pulse/native" \
        -L "module-null-sink sink_name=testsink rate=44100 channels=2 sink_properties=device.description=TestSink" \
        -L "module-null-source source_name=testsrc rate=22050 channels=1 description=TestNullSource" \
        -L module-always-sink
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink testsink
    pactl set-default-source testsink.monitor
    # A stream kept playing into the null sink: on an idle null sink new streams stall for
    # more than a second and the monitor records nothing.
    nohup pacat -p --latency-msec=20 --format=s16le --rate=44100 --channels=2 </dev/zero \
        >/dev/null 2>&1 &
    echo $! >"$dir/keepalive.pid"
    # The keep-alive stream itself stalls for a second or two at first, and streams opened
    # meanwhile stall too: wait until the monitor has heard half a second of it.
    timeout 5 parec --raw -d testsink.monitor --latency-msec=10 2>/dev/null |
        head -c 88200 >/dev/null || true
    ;;
stop) stop ;;
*) echo "usage: pulse.sh start|stop DIR" >&2; exit 2 ;;
esac
