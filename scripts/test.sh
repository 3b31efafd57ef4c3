#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds, and runs every test headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
