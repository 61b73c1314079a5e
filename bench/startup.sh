#!/usr/bin/env bash
# How long Veltrano Test takes from start to a window on the screen, and how
# much memory it holds then, against a bare Qt window of the same shape.
# Both run under their own Xvfb, alternately, in the same environment; a
# probe watching the X server times each start (fork -> window mapped, and
# -> first drawing) and reads VmRSS 300 ms after the window is mapped.
#
# Per-run lines go to stderr; the last line on stdout is
#   startup_ratio=X.XX rss_ratio=Y.YY
# (medians of the program over medians of the bare window).
#
# VELTRANO_BENCH_DIR  build folder (default build-bench)
# VELTRANO_BENCH_RUNS runs of each program (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

bench_dir=${VELTRANO_BENCH_DIR:-build-bench}
runs=${VELTRANO_BENCH_RUNS:-20}

# --- Debian packages: only those missing --------------------------------------
source scripts/packages.sh
install_missing_packages "${veltrano_build_packages[@]}" pkgconf xvfb \
    libxcb1-dev libxcb-damage0-dev >&2

# --- Build (Release) ------------------------------------------------------------
if [ ! -f "$bench_dir/CMakeCache.txt" ]; then
    cmake -S bench -B "$bench_dir" -DCMAKE_BUILD_TYPE=Release >&2
fi
cmake --build "$bench_dir" --parallel "$(nproc)" \
    --target veltrano-test bare-window window-probe >&2

program=$bench_dir/veltrano/src/veltrano-test
# The main window's title, which the probe waits for.
version=$(sed -n 's/^project(VeltranoTest VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
title="Veltrano Test V$version"
bare=$bench_dir/bare-window
probe=$bench_dir/window-probe
for file in "$program" "$bare" "$probe"; do
    [ -x "$file" ] || { echo "error: $file was not built" >&2; exit 1; }
done

# --- A private X server and environment -----------------------------------------
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
[ -s "$work/display" ] || { echo "error: Xvfb did not start" >&2; exit 1; }
display=:$(head -n1 "$work/display")

mkdir -p "$work/config/OrviTest" "$work/cache" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
# Both programs get exactly this environment: the same fonts, caches,
# language and platform plug-in, nothing inherited from the caller.
run_env=(env -i
    PATH=/usr/bin:/bin
    HOME="$work/home"
    LANG=C.UTF-8
    DISPLAY="$display"
    QT_QPA_PLATFORM=xcb
    XDG_CONFIG_HOME="$work/config"
    XDG_CACHE_HOME="$work/cache"
    XDG_RUNTIME_DIR="$work/runtime")

# A settings file that has the first-run marker, so no licence window opens.
reset_settings() {
    printf '[aaa]\nzzz=1\n' >"$work/config/OrviTest/OrviTest.conf"
}

# measure TITLE BINARY: runs it once, prints the probe's line.
measure() {
    reset_settings
    "${run_env[@]}" "$probe" --title "$1" --settle-ms 300 -- "$2"
}

field() { # field NAME LINE
    sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"
}

median() { # reads numbers, one a line
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "NA"; exit }
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.2f\n", m }'
}

# One start of each, not counted, so that font and file caches are warm
# for both alike.
measure "$title" "$program" >/dev/null
measure "Bare Window" "$bare" >/dev/null

: >"$work/program.txt"
: >"$work/bare.txt"
for i in $(seq "$runs"); do
    line=$(measure "$title" "$program")
    echo "run $i program: $line" >&2
    echo "$line" >>"$work/program.txt"
    line=$(measure "Bare Window" "$bare")
    echo "run $i bare:    $line" >&2
    echo "$line" >>"$work/bare.txt"
done

median_of() { # median_of FILE FIELD
    while read -r line; do field "$2" "$line"; done <"$1" | { grep -v '^NA$' || true; } | median
}

# The two windows should be the same size; the menu bars' heights may
# differ by a pixel or two, since the program sets its own font.
program_size=$(field size "$(head -n1 "$work/program.txt")")
bare_size=$(field size "$(head -n1 "$work/bare.txt")")
if ! awk -v a="$program_size" -v b="$bare_size" 'BEGIN {
        split(a, p, "x"); split(b, q, "x")
        d = p[2] - q[2]; exit !(p[1] == q[1] && d <= 3 && d >= -3) }'; then
    echo "warning: window sizes differ: program $program_size, bare window $bare_size" >&2
fi

program_map=$(median_of "$work/program.txt" mapped_ms)
bare_map=$(median_of "$work/bare.txt" mapped_ms)
program_paint=$(median_of "$work/program.txt" painted_ms)
bare_paint=$(median_of "$work/bare.txt" painted_ms)
program_rss=$(median_of "$work/program.txt" rss_kb)
bare_rss=$(median_of "$work/bare.txt" rss_kb)

echo "median program: mapped ${program_map} ms, first drawn ${program_paint} ms, RSS ${program_rss} kB, window ${program_size}"
echo "median bare:    mapped ${bare_map} ms, first drawn ${bare_paint} ms, RSS ${bare_rss} kB, window ${bare_size}"
awk -v pm="$program_paint" -v bm="$bare_paint" 'BEGIN {
    if (pm != "NA" && bm != "NA" && bm > 0) printf "first_drawn_ratio=%.2f\n", pm / bm }'
awk -v pm="$program_map" -v bm="$bare_map" -v pr="$program_rss" -v br="$bare_rss" \
    'BEGIN { printf "startup_ratio=%.2f rss_ratio=%.2f\n", pm / bm, pr / br }'
