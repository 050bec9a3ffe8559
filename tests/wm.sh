# Starts openbox on the current display and waits until it has finished
# starting, not just claimed the screen: a window mapped while it still loads
# its theme waits for it, and SDL waits for the map without a time limit.
# Sets wm to its process; returns 1 if it was not ready within ${1:-30} s.
start_wm() {
    local ready
    ready=$(mktemp -u)
    openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 1 $(( ${1:-30} * 20 ))); do
        [ -e "$ready" ] && { rm -f "$ready"; return 0; }
        kill -0 "$wm" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
