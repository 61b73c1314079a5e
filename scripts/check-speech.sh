#!/usr/bin/env bash
# Reads a question aloud through the flite engine and waits for it to finish
# speaking (tests/windows/test_speech_engine.cpp), with a private PulseAudio
# daemon playing into a null sink: no sound card is needed, and the test may
# not skip. Run from anywhere; VELTRANO_BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

source scripts/setup.sh pulseaudio qt6-speech-flite-plugin
build_dir=${VELTRANO_BUILD_DIR:-build}

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
# PulseAudio keeps its cookie and state under HOME: keep them private too.
export HOME=$runtime PULSE_RUNTIME_PATH=$runtime/pulse
stop_pulseaudio() {
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop_pulseaudio EXIT

pulseaudio --daemonize=yes --exit-idle-time=-1 --log-target=stderr 2>"$runtime/pulseaudio.log" \
    || { cat "$runtime/pulseaudio.log" >&2; exit 1; }
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl load-module module-null-sink sink_name=null >/dev/null
pactl set-default-sink null

VELTRANO_REQUIRE_SPEECH=1 QT_QPA_PLATFORM=offscreen "$build_dir/tests/windows/test_speech_engine"
