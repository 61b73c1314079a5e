#!/usr/bin/env bash
# Times the user's actions on a test of the whole bank: start, finish and
# mark, store the history. Each should take well under 5 ms.
# VELTRANO_BENCH_DIR  build folder (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

bench_dir=${VELTRANO_BENCH_DIR:-build-bench}
source scripts/packages.sh
install_missing_packages "${veltrano_build_packages[@]}" >&2
if [ ! -f "$bench_dir/CMakeCache.txt" ]; then
    cmake -S bench -B "$bench_dir" -DCMAKE_BUILD_TYPE=Release >&2
fi
cmake --build "$bench_dir" --parallel "$(nproc)" --target bench-actions >&2
QT_QPA_PLATFORM=offscreen "$bench_dir/bench-actions" -o -,txt "$@" | grep -E 'RESULT|msecs|FAIL'
