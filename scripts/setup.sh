#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing),
# then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev
          libxlsxwriter-dev libzip-dev
          libpugixml-dev libgtest-dev xvfb xauth x11-apps imagemagick poppler-utils python3-openpyxl
          socat fontconfig fonts-dejavu-core fonts-liberation2 locales
          clang libclang-rt-14-dev file dpkg-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
