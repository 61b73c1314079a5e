#!/usr/bin/env bash
# Takes a practice test with the real Orca screen reader on a private
# headless desktop and prints what Orca said at each step
# (scripts/orca-speech.py): the first-run licence, start-up, a question,
# moving on, the result window and the review.
#
#   orca-speech.sh [PROGRAM]
#
# PROGRAM defaults to build/src/veltrano-test (VELTRANO_BUILD_DIR picks the
# build). Orca speaks into its debug log only: no sound is needed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

program=${1:-${VELTRANO_BUILD_DIR:-build}/src/veltrano-test}
source scripts/packages.sh
install_missing_packages orca python3-pyatspi at-spi2-core dbus-x11 xvfb openbox xdotool

source scripts/desktop-session.sh
start_desktop_session
work="$desktop_session_dir/orca"
mkdir -p "$work"
# The system's Python, where Orca lives.
/usr/bin/python3 scripts/orca-speech.py "$program" "$work"
