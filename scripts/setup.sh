#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR is the build folder.
set -euo pipefail

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build}"
PACKAGES=(build-essential cmake qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite fonts-dejavu-core ${EXTRA_PACKAGES:-})

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$ROOT_DIR" -B "$BUILD_DIR" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
