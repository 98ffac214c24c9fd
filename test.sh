#!/usr/bin/env bash
# Sets everything up and runs every test: installs missing packages, checks the include layers
# (scripts/check-layers.sh), builds the sanitizer tree (gcc) and the fuzz tree (clang), both with warnings as
# errors, runs each fuzz target for a bounded time (OMBRIN_FUZZ_SECONDS, 20 s by default, two at a time) and
# then every test of the sanitizer tree with ctest.
#   ./test.sh [ctest arguments]   all of it; the arguments go to the ctest run of the sanitizer tree
#   ./test.sh --fuzz-long         only the fuzz targets, each for OMBRIN_FUZZ_LONG_SECONDS (600 by default),
#                                 keeping and growing their corpora in build-fuzz/fuzz-work/ from run to run
set -euo pipefail
cd "$(dirname "$0")"

fuzz_long=0
if [ "${1:-}" = "--fuzz-long" ]; then
    fuzz_long=1
    shift
fi

./scripts/install-deps.sh
# Before anything is built: an include that points up or sideways (a tool including the server, the collision
# world including the transport or the protocol) fails the run.
./scripts/check-layers.sh

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The fuzz tree: clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer; only the fuzz targets
# and the libraries they test are built.
build_fuzz_tree() {
    if [ ! -f build-fuzz/build.ninja ]; then
        CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DOMBRIN_FUZZ=ON -DOMBRIN_TESTS=OFF \
            -DOMBRIN_BENCH=OFF -DOMBRIN_WERROR=ON -DOMBRIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
            -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
            -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
    fi
    cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_targets
}

if [ "$fuzz_long" -eq 1 ]; then
    build_fuzz_tree
    seconds="${OMBRIN_FUZZ_LONG_SECONDS:-600}"
    OMBRIN_FUZZ_SECONDS="$seconds" OMBRIN_FUZZ_KEEP=1 ctest --test-dir build-fuzz -L fuzz --output-on-failure \
        --timeout $((seconds + 600)) -j "$(nproc)"
    exit $?
fi

./scripts/build.sh test
build_fuzz_tree

status=0
ctest --test-dir build-fuzz -L fuzz --output-on-failure --timeout 300 -j "$(nproc)" || status=$?
ctest --test-dir build-test --output-on-failure --timeout 900 -j "$(nproc)" "$@" || status=$?
exit "$status"
