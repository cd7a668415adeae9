#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when
# any is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev libgl-dev libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-multimedia-dev pulseaudio-utils
    fonts-ipafont-gothic fontconfig
    nlohmann-json3-dev
    clang-format clang-tidy
    clang-14 libclang-rt-14-dev
    desktop-file-utils dpkg-dev lintian appstream
)

# The chime test runs a private sound server. A desktop that already has
# PipeWire's PulseAudio server keeps it alone: a second server would compete
# with it for the sound card.
if ! dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q "install ok installed"; then
    packages+=(pulseaudio)
fi

"$(dirname "$0")/install_missing.sh" "${packages[@]}"
