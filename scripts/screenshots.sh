#!/usr/bin/env bash
# Saves PNG screenshots of the program's windows in shots/ (or the folder
# given): start-up, a running test, the result window, a review with a wrong
# answer, a running exam and its result, the first-run licence and About,
# the statistics window after a week of practice and the first page of a PDF
# report; then the same at scale factors 2 and 1.5 (high-resolution screens)
# in shots/scale-2 and shots/scale-1.5, and with a dark palette in shots/dark.
# Runs the real windows under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-shots}

source scripts/setup.sh xvfb xauth
build_dir=${VELTRANO_BUILD_DIR:-build}

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
sleep 1

tour() {
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$build_dir/tests/windows/veltrano-screenshot-tour" "$@"
}
tour "$out"
# The first page of the report the tour saved, as a picture.
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$out/report.pdf" "$out/report-page"
QT_SCALE_FACTOR=2 tour "$out/scale-2"
QT_SCALE_FACTOR=1.5 tour "$out/scale-1.5"
tour "$out/dark" --dark
