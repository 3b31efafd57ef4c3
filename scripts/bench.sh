#!/usr/bin/env bash
# Installs what is missing (Google Benchmark too), builds the benchmarks in release mode and runs
# them on a generated large school. --8x runs the start-up, the opening and check of the database,
# the click, Find and Replace on a school eight times as large too (its making takes a while) and
# ends with their growth per doubling; PERIWELL_BENCH_SIZES=1,2,4,8 picks other size factors.
# Other arguments go to the benchmark program (for example --benchmark_filter=RefreshTable).
set -euo pipefail
ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT_DIR/build-bench}"
export EXTRA_PACKAGES="libbenchmark-dev ${EXTRA_PACKAGES:-}"
export CMAKE_EXTRA_ARGS="-DCMAKE_BUILD_TYPE=Release -DPERIWELL_BUILD_BENCH=ON -DPERIWELL_BUILD_TESTS=OFF ${CMAKE_EXTRA_ARGS:-}"
arguments=()
for argument in "$@"; do
    if [[ $argument == --8x ]]; then
        export PERIWELL_BENCH_SIZES=1,8
    else
        arguments+=("$argument")
    fi
done
source "$ROOT_DIR/scripts/setup.sh"
"$BUILD_DIR/bench/periwell-bench" --benchmark_min_time=0.2 "${arguments[@]}"
