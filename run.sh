#!/usr/bin/env bash
# Sets everything up and starts the game.
#   ./run.sh          the game (until the client exists: the dedicated server)
#   ./run.sh server   the dedicated server
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
./scripts/build.sh release game

what="${1:-game}"
cd build/run/bin
case "$what" in
    server) exec ./Quellhost ;;
    game)
        if [ -x ./Ombrin ]; then
            exec ./Ombrin
        fi
        exec ./Quellhost
        ;;
    *) echo "usage: $0 [server]" >&2; exit 2 ;;
esac
