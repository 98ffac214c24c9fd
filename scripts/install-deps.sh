#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, runs and tests with; only what is missing. clang and
# its runtime (libFuzzer's libclang_rt.fuzzer) build the fuzz targets.
set -euo pipefail

PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    libsdl2-dev libepoxy-dev libopenal-dev libenet-dev libglm-dev libstb-dev libfreetype-dev libpng-dev
    libgtest-dev libbenchmark-dev libegl-dev libgl1-mesa-dri fonts-dejavu-core xvfb xauth glslang-tools
    xdotool imagemagick mesa-utils
    clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
