# Sourced by the benchmark scripts: installs what the build needs, configures
# the bench build (Release) once and builds the named targets in it.
# VELTRANO_BENCH_DIR  build folder (default build-bench)
bench_dir=${VELTRANO_BENCH_DIR:-build-bench}
source scripts/packages.sh
install_missing_packages "${veltrano_build_packages[@]}" >&2
if [ ! -f "$bench_dir/CMakeCache.txt" ]; then
    cmake -S bench -B "$bench_dir" -DCMAKE_BUILD_TYPE=Release >&2
fi
cmake --build "$bench_dir" --parallel "$(nproc)" --target "$@" >&2
