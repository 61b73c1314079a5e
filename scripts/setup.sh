#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: installs the Debian packages the build
# needs (only those missing), then configures and builds in build/.
# Source it from the repository's top folder; extra packages may be passed as
# arguments. VELTRANO_BUILD_DIR, VELTRANO_BUILD_TYPE, VELTRANO_CXX_FLAGS and
# VELTRANO_LINKER_FLAGS choose another build (a sanitizer build, say).
set -euo pipefail

veltrano_packages=(cmake make g++ qt6-base-dev libgl-dev fonts-liberation "$@")

missing=()
for package in "${veltrano_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "error: packages missing (${missing[*]}) and sudo is not available to install them" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${VELTRANO_BUILD_DIR:-build}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${VELTRANO_BUILD_TYPE:-RelWithDebInfo}" \
        -DCMAKE_CXX_FLAGS="${VELTRANO_CXX_FLAGS:-}" -DCMAKE_EXE_LINKER_FLAGS="${VELTRANO_LINKER_FLAGS:-}"
fi
cmake --build "$build_dir" --parallel "$(nproc)"
