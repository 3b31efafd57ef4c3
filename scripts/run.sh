#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds, and starts Periwell.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$BUILD_DIR/periwell" "$@"
