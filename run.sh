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
        ./Quellhost --port 0 > quellhost-bots.log &
        server=$!
        trap 'kill -INT $server 2>/dev/null || true; wait $server 2>/dev/null || true' EXIT
        port=""
        for _ in $(seq 50); do
            port=$(sed -n 's/^PORT: //p' quellhost-bots.log | head -n 1)
            [ -n "$port" ] && break
            sleep 0.1
        done
        [ -n "$port" ] || { echo "the server did not start; see build/run/bin/quellhost-bots.log" >&2; exit 1; }
        echo "Quellhost listens on port $port (its console: build/run/bin/quellhost-bots.log)."
        echo "Four red and four blue bots play until Ctrl+C; round, match and level lines follow."
        ./Ombrin-bots --count 4 --port "$port" --team red --name Red --seed 1 > /dev/null &
        red=$!
        trap 'kill -INT $red 2>/dev/null || true; kill -INT $server 2>/dev/null || true; wait' EXIT
        ./Ombrin-bots --count 4 --port "$port" --team blue --name Blue --seed 2
        ;;
    *) echo "usage: $0 [server|bots]" >&2; exit 2 ;;
esac
