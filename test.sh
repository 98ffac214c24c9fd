#!/usr/bin/env bash
# Sets everything up and runs every test: installs missing packages, builds the sanitizer tree and runs ctest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/build.sh test

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ctest --test-dir build-test --output-on-failure --timeout 900 -j "$(nproc)" "$@"
