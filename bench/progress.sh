#!/usr/bin/env bash
# Times the progress store after ten years of daily practice (about 100,000
# recorded answers): recording a finished test of 165 questions (under
# 20 ms, fsync included), choosing the weakest questions (under 5 ms) and
# opening the statistics window (under 150 ms), each beside a baseline
# measured in the same run. The simulated history is built once, into the
# bench folder, and reused.
# VELTRANO_BENCH_DIR  build folder (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/build-target.sh bench-progress
QT_QPA_PLATFORM=offscreen "$bench_dir/bench-progress" "$bench_dir/progress-ten-years.sqlite"
