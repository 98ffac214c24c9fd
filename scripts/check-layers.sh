#!/usr/bin/env bash
# Fails when a lower room of the house includes a higher one: the tools (bots, content generator) must not
# include the server, the client's networking must not include the client's application, and the collision
# world must not include the transport or the protocol. Prints every offending include.
#   scripts/check-layers.sh [source root]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

status=0
# check NAME FOLDER PATTERN: every quoted include under FOLDER whose path matches PATTERN is an offence.
check() {
    local name="$1" folder="$2" pattern="$3" found
    [ -d "$folder" ] || return 0
    found=$(grep -rnE --include='*.h' --include='*.cpp' "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"($pattern)" \
        "$folder" || true)
    if [ -n "$found" ]; then
        echo "Layer rule broken: $name"
        echo "$found"
        status=1
    fi
}

check "tools/ includes the server" tools 'server/'
check "client/net includes client/app" client/net 'client/app/'
check "the collision world includes the transport or the protocol" shared/collision 'raknet/|protocol/'

if [ "$status" -eq 0 ]; then
    echo "Layers: no include points up or sideways."
fi
exit "$status"
