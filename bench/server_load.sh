#!/bin/sh
# Server load: runs Quellhost with eight bot players (four red, four blue) for a while and prints the server's
# CPU share of one core, its frame rate and frame-time percentiles (from its frame log), its peak memory, and
# the traffic per client, both as the game's traffic counters saw it and as the transport's totals counted it.
#   bench/server_load.sh [build directory] [seconds]     (defaults: build, 60)
set -eu
BUILD=${1:-build}
SECONDS_TO_RUN=${2:-60}
BIN="$BUILD/run/bin"
[ -x "$BIN/Quellhost" ] && [ -x "$BIN/Ombrin-bots" ] || { echo "build Quellhost and Ombrin-bots in $BUILD first" >&2; exit 1; }
OUT=$(mktemp -d)
SERVER=""
trap 'kill $SERVER 2>/dev/null || true; rm -rf "$OUT"' EXIT

. "$(dirname "$0")/../scripts/quellhost.sh"
cd "$BIN"
start_quellhost "$OUT/server.log" --frame-log "$OUT/frames.log"
TICKS=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$SERVER/stat"; }

./Ombrin-bots --count 8 --port "$PORT" --seed 5 --duration "$SECONDS_TO_RUN" > "$OUT/bots.log" 2>&1 &
BOTS=$!
START_TICKS=$(cpu_ticks)
START_TIME=$(date +%s.%N)
wait $BOTS || true
END_TICKS=$(cpu_ticks)
END_TIME=$(date +%s.%N)
PEAK=$(awk '/VmHWM/ {print $2, $3}' "/proc/$SERVER/status")
kill -0 $SERVER 2>/dev/null && ALIVE=yes || ALIVE=no
kill -INT $SERVER 2>/dev/null || true
wait $SERVER 2>/dev/null || true

echo "server load with 8 bots for ${SECONDS_TO_RUN} s (build $BUILD)"
awk -v a="$START_TICKS" -v b="$END_TICKS" -v t="$TICKS" -v s="$START_TIME" -v e="$END_TIME" \
    'BEGIN { printf "server CPU share of one core: %.1f %%\n", 100 * (b - a) / t / (e - s) }'
echo "server peak memory (VmHWM): $PEAK"
echo "server still running at the end: $ALIVE"

# Frame times: the whole frame (including the wait for network input) and the working part of it.
grep -v '^#' "$OUT/frames.log" | awk '{print $1}' | sort -g > "$OUT/frame_ms"
grep -v '^#' "$OUT/frames.log" | awk '{print $2}' | sort -g > "$OUT/busy_ms"
percentile() { awk -v p="$2" '{ v[NR] = $1 } END { i = int(NR * p / 100); if (i < 1) i = 1; printf "%.3f", v[i] }' "$1"; }
FRAMES=$(wc -l < "$OUT/frame_ms")
RUN_SECONDS=$(sed -n 's/^# transport seconds=\([0-9.]*\).*/\1/p' "$OUT/frames.log")
awk -v n="$FRAMES" -v s="$RUN_SECONDS" 'BEGIN { printf "server frames per second: %.0f (%d frames)\n", n / s, n }'
echo "frame time ms: 50th $(percentile "$OUT/frame_ms" 50), 99th $(percentile "$OUT/frame_ms" 99), max $(tail -n 1 "$OUT/frame_ms")"
echo "working time per frame ms: 50th $(percentile "$OUT/busy_ms" 50), 99th $(percentile "$OUT/busy_ms" 99), max $(tail -n 1 "$OUT/busy_ms")"
sed -n 's/^# transport seconds=\([0-9.]*\) sent_bytes=\([0-9]*\) received_bytes=\([0-9]*\).*/\1 \2 \3/p' "$OUT/frames.log" |
    awk '{ printf "server transport totals: out %.0f B/s, in %.0f B/s (%.0f / %.0f B/s per client)\n",
                  $2 / $1, $3 / $1, $2 / $1 / 8, $3 / $1 / 8 }'

awk -v d="$SECONDS_TO_RUN" '/^STATS/ {
        for (i = 2; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
        n++; inb += f["inBytes"]; outb += f["outBytes"]; kills += f["kills"]
        tin += f["transportInBytes"]; tout += f["transportOutBytes"] }
    END { if (n == 0) { print "no bot statistics"; exit 1 }
          printf "per client, game traffic counters: in %.0f B/s (server to client), out %.0f B/s (client to server)\n",
                 inb / n / d, outb / n / d
          printf "per client, transport totals: in %.0f B/s, out %.0f B/s\n", tin / n / d, tout / n / d
          printf "bots: %d, kills: %d\n", n, kills }' "$OUT/bots.log"
grep -E '^(ROUND|MATCH|LEVEL)' "$OUT/bots.log" || true
