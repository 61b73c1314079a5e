#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each on a copy of its seed corpus for VELTRANO_FUZZ_SECONDS seconds (60 by
# default). Fails when a target finds a crash, a leak, a time-out or a
# sanitizer report; skips, exiting 0, only when clang cannot be installed.
#
#   scripts/ci-fuzz.sh
#   VELTRANO_FUZZ_SECONDS=600 scripts/ci-fuzz.sh
#
# Inputs that make a target fail are kept in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${VELTRANO_FUZZ_SECONDS:-60}
build_dir=${VELTRANO_FUZZ_BUILD_DIR:-build-fuzz}
targets=(fuzz_history fuzz_settings_file fuzz_question_file)

if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "error: VELTRANO_FUZZ_SECONDS must be a whole number of seconds above 0, not '$seconds'" >&2
    exit 2
fi

source scripts/packages.sh

# clang, its libFuzzer and sanitizer runtimes, and llvm-symbolizer for
# readable stacks. Without them there is nothing to run: skip.
if ! install_missing_packages clang libclang-rt-14-dev llvm-14; then
    echo "fuzz: skipped: clang and its fuzzer runtime (clang, libclang-rt-14-dev) cannot be installed here"
    exit 0
fi
if ! command -v clang++ >/dev/null; then
    echo "fuzz: skipped: clang++ is not on PATH even after installing clang"
    exit 0
fi

# What the program itself needs to build; missing these is an error.
install_missing_packages "${veltrano_build_packages[@]}"

# A build folder configured with another compiler cannot be reused.
if [ -f "$build_dir/CMakeCache.txt" ] &&
    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$build_dir/CMakeCache.txt"; then
    echo "$build_dir was configured with another compiler; configuring it again with clang"
    rm -rf "$build_dir/CMakeCache.txt" "$build_dir/CMakeFiles"
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S fuzz -B "$build_dir"
fi
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build_dir/crashes"

# UBSan findings already abort (-fno-sanitize-recover); the stack helps.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}

passed=0
failed=0
for target in "${targets[@]}"; do
    corpus_name=${target#fuzz_}
    corpus="$work/$corpus_name"
    log="$work/$target.log"
    mkdir -p "$corpus"
    cp -R fuzz/corpus/"$corpus_name"/. "$corpus"/

    echo "== $target: ${seconds}s on $(find "$corpus" -type f | wc -l) seed inputs"
    status=0
    # libFuzzer stops itself after max_total_time; the outer time-out only
    # catches a target that hangs where libFuzzer cannot stop it.
    timeout --kill-after=30 $((seconds + 300)) \
        "$build_dir/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build_dir/crashes/$target-" "$corpus" \
        >"$log" 2>&1 || status=$?

    executions=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ] && [ -n "$executions" ]; then
        echo "$target: passed, ${executions} executions"
        passed=$((passed + 1))
    else
        echo "$target: FAILED (exit status $status), ${executions:-unknown number of} executions"
        echo "---- last lines of the $target log"
        tail -n 80 "$log"
        echo "----"
        echo "inputs that failed, if any, are in $build_dir/crashes/"
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
