#!/bin/sh
# The scene benchmark on Mesa's software rasteriser: bench-bin/scene_bench under Xvfb (SDL's x11 driver) and
# with SDL's offscreen driver, each with 1, 2 and 3 rasteriser threads (LP_NUM_THREADS).
#   bench/scene_bench.sh [build directory] [frames per row] [more scene_bench options]   (defaults: build, 300)
set -eu
BUILD=$(cd "${1:-build}" && pwd)
FRAMES=${2:-300}
[ $# -gt 2 ] && shift 2 || set --
BENCH="$BUILD/bench-bin/scene_bench"
[ -x "$BENCH" ] || { echo "build scene_bench in $BUILD first" >&2; exit 1; }
# A sanitizer build's allocator keeps freed memory aside and checks leaks at exit; neither is measured here.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:quarantine_size_mb=0:thread_local_quarantine_size_kb=0}"
export LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null SDL_AUDIODRIVER=dummy

for THREADS in 1 2 3; do
    echo
    LP_NUM_THREADS=$THREADS SDL_VIDEODRIVER=offscreen "$BENCH" --frames "$FRAMES" "$@"
    echo
    LP_NUM_THREADS=$THREADS SDL_VIDEODRIVER=x11 xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$BENCH" --frames "$FRAMES" "$@"
done
