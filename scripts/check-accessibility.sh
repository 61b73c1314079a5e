#!/usr/bin/env bash
# Takes a practice test through the accessibility bus (AT-SPI) only, on a
# private headless desktop: tests/accessibility/atspi_flow.py.
#
#   check-accessibility.sh [PROGRAM]
#
# PROGRAM defaults to build/src/veltrano-test (VELTRANO_BUILD_DIR picks the
# build). Installs what it needs when missing; with --if-available it
# installs nothing and exits 77 (skipped) when something is missing, as
# CTest runs it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if_available=false
if [ "${1:-}" = "--if-available" ]; then
    if_available=true
    shift
fi
program=${1:-${VELTRANO_BUILD_DIR:-build}/src/veltrano-test}

needed=(python3-pyatspi at-spi2-core dbus-x11 xvfb openbox)
if $if_available; then
    for package in "${needed[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "skipped: $package is not installed (scripts/check-accessibility.sh installs it)"
            exit 77
        fi
    done
else
    source scripts/packages.sh
    install_missing_packages "${needed[@]}"
fi

source scripts/desktop-session.sh
start_desktop_session
# The system's Python, where python3-pyatspi lives.
/usr/bin/python3 tests/accessibility/atspi_flow.py "$program"
