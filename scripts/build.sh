#!/usr/bin/env bash
# Configures (once) and builds one build tree.
#   scripts/build.sh release   -> build/       optimised, the tree run.sh plays from
#   scripts/build.sh test      -> build-test/  AddressSanitizer + UndefinedBehaviorSanitizer
# Further arguments name targets to build (default: all), e.g. scripts/build.sh release game
set -euo pipefail
cd "$(dirname "$0")/.."

kind="${1:-release}"
shift || true
case "$kind" in
    # A player's build never stops over a warning that only the optimiser reports; the test trees, which the
    # tests and CI build, treat every warning as an error.
    release) dir=build; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIN_SANITIZE=OFF -DOMBRIN_WERROR=OFF) ;;
    test) dir=build-test; args=(-DCMAKE_BUILD_TYPE=Debug -DOMBRIN_SANITIZE=ON -DOMBRIN_WERROR=ON) ;;
    *) echo "usage: $0 [release|test]" >&2; exit 2 ;;
esac

if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "${args[@]}"
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
