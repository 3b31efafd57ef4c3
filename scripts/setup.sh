#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and builds.
# Sourced by run.sh and test.sh; BUILD_DIR is the build folder.
set -euo pipefail

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build}"
source "$ROOT_DIR/scripts/packages.sh"
PACKAGES=(build-essential cmake qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite fonts-dejavu-core ${EXTRA_PACKAGES:-})

install_missing "${PACKAGES[@]}"

cmake -S "$ROOT_DIR" -B "$BUILD_DIR" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
