#!/usr/bin/env bash
# Times the user's actions on a test of the whole bank: start, finish and
# mark, store the history. Each should take well under 5 ms.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
"${VELTRANO_BUILD_DIR:-build}/tests/bench-actions" -o -,txt "$@" | grep -E 'RESULT|msecs|FAIL'
