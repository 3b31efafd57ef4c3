#!/usr/bin/env bash
# Installs what is missing (Google Benchmark too), builds the benchmarks in release mode and runs
# them on a generated large school. Extra arguments go to the benchmark program
# (for example --benchmark_filter=RefreshTable).
set -euo pipefail
ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build-bench}"
export EXTRA_PACKAGES="libbenchmark-dev ${EXTRA_PACKAGES:-}"
export CMAKE_EXTRA_ARGS="-DCMAKE_BUILD_TYPE=Release -DPERIWELL_BUILD_BENCH=ON -DPERIWELL_BUILD_TESTS=OFF ${CMAKE_EXTRA_ARGS:-}"
source "$ROOT_DIR/scripts/setup.sh"
"$BUILD_DIR/bench/periwell-bench" --benchmark_min_time=0.2 "$@"
