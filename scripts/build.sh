#!/usr/bin/env bash
# Configures (once) and builds one build tree.
#   scripts/build.sh release   -> build/       optimised, the tree run.sh plays from
#   scripts/build.sh test      -> build-test/  AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

kind="${1:-release}"
case "$kind" in
    release) dir=build; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIN_SANITIZE=OFF) ;;
    test) dir=build-test; args=(-DCMAKE_BUILD_TYPE=Debug -DOMBRIN_SANITIZE=ON) ;;
    *) echo "usage: $0 [release|test]" >&2; exit 2 ;;
esac

if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DOMBRIN_WERROR=ON "${args[@]}"
fi
cmake --build "$dir" --parallel "$(nproc)"
