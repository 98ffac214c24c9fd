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
    release) dir=build; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIN_SANITIZE=OFF) ;;
    test) dir=build-test; args=(-DCMAKE_BUILD_TYPE=Debug -DOMBRIN_SANITIZE=ON) ;;
    *) echo "usage: $0 [release|test]" >&2; exit 2 ;;
esac

if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DOMBRIN_WERROR=ON "${args[@]}"
fi
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
