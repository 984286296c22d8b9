#!/bin/sh
# Starts a PulseAudio server with one null sink, so that sound can be played (and
# measured) on a machine without a sound card. Prints the XDG_RUNTIME_DIR to export.
# Usage: eval "$(tests/support/audio-setup.sh)"
set -e
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
if ! pactl info >/dev/null 2>&1; then
    pulseaudio -D -n --exit-idle-time=-1 --load=module-native-protocol-unix \
        --load="module-null-sink sink_name=placeworks_null" >/dev/null 2>&1
    tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "audio-setup: PulseAudio did not start" >&2
            exit 1
        fi
        sleep 0.05
    done
fi
echo "export XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"
