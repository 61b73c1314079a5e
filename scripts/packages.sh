#!/usr/bin/env bash
# Defines install_missing_packages: installs those of the named Debian
# packages that are not installed yet (apt-get; through sudo when not root).
# Source it; it changes nothing by itself.

# What every build of the project needs: the set-up, the package check, the
# benchmarks and the fuzzers all install these.
# libqt6sql6-sqlite is the SQLite driver the progress store opens at run
# time; qt6-charts-dev the statistics window's chart (Qt Print Support comes
# with qt6-base-dev); poppler-utils reads the PDF report back in its test.
# Qt TextToSpeech's CMake package needs qt6-declarative-dev as well (its
# QmlIntegration part).
veltrano_build_packages=(cmake make g++ python3 qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n qt6-speech-dev qt6-declarative-dev
    fonts-liberation libqt6sql6-sqlite qt6-charts-dev poppler-utils)

install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "error: packages missing (${missing[*]}) and sudo is not available to install them" >&2
            return 1
        fi
        as_root=(sudo)
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
