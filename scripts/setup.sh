#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the build
# needs (only those missing), then configures and builds in build/.
# Source it from the repository's top folder; extra packages may be passed as
# arguments. VELTRANO_BUILD_DIR, VELTRANO_BUILD_TYPE, VELTRANO_CXX_FLAGS and
# VELTRANO_LINKER_FLAGS choose another build (a sanitizer build, say).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
install_missing_packages "${veltrano_build_packages[@]}" "$@"

build_dir=${VELTRANO_BUILD_DIR:-build}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${VELTRANO_BUILD_TYPE:-RelWithDebInfo}" \
        -DCMAKE_CXX_FLAGS="${VELTRANO_CXX_FLAGS:-}" -DCMAKE_EXE_LINKER_FLAGS="${VELTRANO_LINKER_FLAGS:-}"
fi
cmake --build "$build_dir" --parallel "$(nproc)"
