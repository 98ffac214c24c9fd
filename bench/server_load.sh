#!/bin/sh
# Server load: runs Quellhost with eight bot players (four red, four blue) for a while and prints the server's
# CPU share of one core, its peak memory, and the game traffic per client that the bots' traffic counters saw.
#   bench/server_load.sh [build directory] [seconds]     (defaults: build, 60)
set -eu
BUILD=${1:-build}
SECONDS_TO_RUN=${2:-60}
BIN="$BUILD/run/bin"
[ -x "$BIN/Quellhost" ] && [ -x "$BIN/Ombrin-bots" ] || { echo "build Quellhost and Ombrin-bots in $BUILD first" >&2; exit 1; }
OUT=$(mktemp -d)
trap 'kill $SERVER 2>/dev/null || true; rm -rf "$OUT"' EXIT

cd "$BIN"
./Quellhost --port 0 > "$OUT/server.log" &
SERVER=$!
PORT=""
for _ in $(seq 50); do
    PORT=$(sed -n 's/^PORT: //p' "$OUT/server.log" | head -n 1)
    [ -n "$PORT" ] && break
    sleep 0.1
done
[ -n "$PORT" ] || { echo "the server printed no port" >&2; exit 1; }
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

echo "server load with 8 bots for ${SECONDS_TO_RUN} s (build $BUILD)"
awk -v a="$START_TICKS" -v b="$END_TICKS" -v t="$TICKS" -v s="$START_TIME" -v e="$END_TIME" \
    'BEGIN { printf "server CPU share of one core: %.1f %%\n", 100 * (b - a) / t / (e - s) }'
echo "server peak memory (VmHWM): $PEAK"
echo "server still running: $ALIVE"
awk -v d="$SECONDS_TO_RUN" '/^STATS/ {
        for (i = 2; i <= NF; ++i) { split($i, kv, "="); f[kv[1]] = kv[2] }
        n++; inb += f["inBytes"]; outb += f["outBytes"]; kills += f["kills"] }
    END { if (n == 0) { print "no bot statistics"; exit 1 }
          printf "per client, game traffic counters: in %.0f B/s (server to client), out %.0f B/s (client to server)\n",
                 inb / n / d, outb / n / d
          printf "bots: %d, kills: %d\n", n, kills }' "$OUT/bots.log"
grep -E '^(ROUND|MATCH|LEVEL)' "$OUT/bots.log" || true
echo "frames per second and frame-time percentiles: not available (the server has no frame-time log option)"
echo "transport totals: not available (the transport has no statistics interface)"
