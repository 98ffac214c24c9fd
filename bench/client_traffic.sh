#!/bin/sh
# Client traffic: one headless game client (bench-bin/client_traffic, the game's own networking) plays on a
# Quellhost with seven bots for a while and prints what its traffic logger measured, window by window, and
# the transport's totals.
#   bench/client_traffic.sh [build directory] [seconds]     (defaults: build, 60)
set -eu
BUILD=$(cd "${1:-build}" && pwd)
SECONDS_TO_RUN=${2:-60}
BIN="$BUILD/run/bin"
CLIENT="$BUILD/bench-bin/client_traffic"
[ -x "$BIN/Quellhost" ] && [ -x "$BIN/Ombrin-bots" ] && [ -x "$CLIENT" ] ||
    { echo "build Quellhost, Ombrin-bots and client_traffic in $BUILD first" >&2; exit 1; }
OUT=$(mktemp -d)
SERVER=""
BOTS=""
trap 'kill $SERVER $BOTS 2>/dev/null || true; rm -rf "$OUT"' EXIT

. "$(dirname "$0")/../scripts/quellhost.sh"
cd "$BIN"
start_quellhost "$OUT/server.log"

"$CLIENT" --port "$PORT" --seconds "$SECONDS_TO_RUN" &
CLIENT_PID=$!
sleep 1
./Ombrin-bots --count 7 --port "$PORT" --seed 9 --duration "$SECONDS_TO_RUN" > "$OUT/bots.log" 2>&1 &
BOTS=$!
wait $CLIENT_PID
echo "match events seen by the bots:"
grep -E '^(ROUND|MATCH|LEVEL)' "$OUT/bots.log" || echo "(none yet)"
