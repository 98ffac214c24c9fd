# Sourced by the scripts that start a dedicated server for bots or benchmarks (run from the programs' folder):
#   start_quellhost LOGFILE [more Quellhost options]
# starts ./Quellhost on a free port with its console in LOGFILE, sets SERVER (its process id) and PORT (the
# port from its "PORT: " line), and fails when no port appears within five seconds.
start_quellhost() {
    log=$1
    shift
    ./Quellhost --port 0 "$@" > "$log" &
    SERVER=$!
    PORT=""
    for _ in $(seq 50); do
        PORT=$(sed -n 's/^PORT: //p' "$log" | head -n 1)
        [ -n "$PORT" ] && return 0
        sleep 0.1
    done
    echo "the server printed no port; see $log" >&2
    return 1
}
