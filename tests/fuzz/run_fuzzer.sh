#!/usr/bin/env bash
# Runs one fuzz target for a bounded time: run_fuzzer.sh TARGET SEEDS WORKDIR SECONDS
# OMBRIN_FUZZ_SECONDS overrides SECONDS. The target starts from a fresh copy of its seed corpus (so a run
# is repeatable for its seed) unless OMBRIN_FUZZ_KEEP=1, which keeps and grows WORKDIR/corpus across runs.
# A crash leaves its input in WORKDIR/crashes/ and fails the run.
set -euo pipefail
# Absolute paths: a target may change its working directory before it reads the corpus.
target="$(realpath -m "$1")"
seeds="$(realpath -m "$2")"
work="$(realpath -m "$3")"
seconds="${OMBRIN_FUZZ_SECONDS:-$4}"

if [ "${OMBRIN_FUZZ_KEEP:-0}" != "1" ]; then
    rm -rf "$work/corpus"
fi
mkdir -p "$work/corpus" "$work/crashes"
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1}:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

status=0
"$target" -seed=1 -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$work/crashes/" "$work/corpus" "$seeds" || status=$?
if [ "$status" -ne 0 ]; then
    echo "fuzz target $(basename "$target") failed; reproduce with: $target $work/crashes/<file>" >&2
fi
exit "$status"
