#!/bin/sh
# Runs the flite test binary against a private audio server with a null sink, then ends that
# server. Exit 77 (skipped) where no audio server can be started.
set -u
test_binary="$1"
command -v pulseaudio >/dev/null 2>&1 || { echo "pulseaudio is not installed"; exit 77; }
command -v pactl >/dev/null 2>&1 || { echo "pactl is not installed"; exit 77; }

runtime_dir=$(mktemp -d "${TMPDIR:-/tmp}/mindrova-audio.XXXXXX") || exit 1
export XDG_RUNTIME_DIR="$runtime_dir"
export PULSE_SERVER="unix:$runtime_dir/pulse/native"
unset PULSE_COOKIE
stop_server() {
    pactl exit >/dev/null 2>&1 || true
    if [ -f "$runtime_dir/pulse/pid" ]; then kill "$(cat "$runtime_dir/pulse/pid")" 2>/dev/null; fi
    rm -rf "$runtime_dir"
}
trap stop_server EXIT INT TERM

# As root the server warns that it is not meant to run so; the warning is harmless here.
if ! pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=null" --load=module-native-protocol-unix \
        >"$runtime_dir/server.log" 2>&1; then
    cat "$runtime_dir/server.log"
    echo "the audio server did not start"
    exit 77
fi
tries=0
until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -ge 50 ] && { echo "the audio server does not answer"; exit 77; }
    sleep 0.1
done
pactl set-default-sink null >/dev/null 2>&1

QT_QPA_PLATFORM=offscreen "$test_binary" --gtest_filter='FliteGuidance.*' || exit 1

# The same engine in a process that finds no audio server at all.
PULSE_SERVER="unix:$runtime_dir/no-server" MINDROVA_NO_AUDIO=1 QT_QPA_PLATFORM=offscreen \
    "$test_binary" --gtest_filter='FliteWithoutAudio.*'
