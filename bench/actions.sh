#!/usr/bin/env bash
# Times the user's actions on a test of the whole bank: start, finish and
# mark, store the history. Each should take well under 5 ms.
# VELTRANO_BENCH_DIR  build folder (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/build-target.sh bench-actions
QT_QPA_PLATFORM=offscreen "$bench_dir/bench-actions" -o -,txt "$@" | grep -E 'RESULT|msecs|FAIL'
