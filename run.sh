#!/usr/bin/env bash
# Sets everything up and starts the game.
#   ./run.sh          the game
#   ./run.sh server   the dedicated server
#   ./run.sh bots     a dedicated server and a four-against-four bot match to watch in the log
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/build.sh release game

what="${1:-game}"
cd build/run/bin
case "$what" in
    server) exec ./Quellhost ;;
    game) exec ./Ombrin ;;
    bots)
        . ../../../scripts/quellhost.sh
        start_quellhost quellhost-bots.log
        trap 'kill -INT $SERVER 2>/dev/null || true; wait' EXIT
        echo "Quellhost listens on port $PORT (its console: build/run/bin/quellhost-bots.log)."
        echo "Four red and four blue bots play until Ctrl+C; round, match and level lines follow."
        ./Ombrin-bots --count 4 --port "$PORT" --team red --name Red --seed 1 > /dev/null &
        ./Ombrin-bots --count 4 --port "$PORT" --team blue --name Blue --seed 2
        ;;
    *) echo "usage: $0 [server|bots]" >&2; exit 2 ;;
esac
