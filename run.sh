#!/usr/bin/env bash
# Installs what is missing, builds, and starts Veltrano Test.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session." >&2
    exit 1
fi

source scripts/setup.sh
exec "${VELTRANO_BUILD_DIR:-build}/src/veltrano-test" "$@"
