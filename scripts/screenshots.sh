#!/usr/bin/env bash
# Saves PNG screenshots of the program's windows in shots/ (or the folder
# given): start-up, a running test, the result window, a review with a wrong
# answer, the first-run licence and About. Runs the real windows under Xvfb.
# Set QT_SCALE_FACTOR (e.g. 2) to see them on a high-resolution screen.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-shots}

source scripts/setup.sh xvfb xauth
build_dir=${VELTRANO_BUILD_DIR:-build}

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
sleep 1

DISPLAY=$display QT_QPA_PLATFORM=xcb "$build_dir/tests/windows/veltrano-screenshot-tour" "$out"
