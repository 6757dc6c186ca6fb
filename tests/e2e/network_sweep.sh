#!/usr/bin/env bash
# The whole viewer reaches nothing off the machine, whatever a page does: in a network namespace
# of its own (only lo), with a name server and listeners on loopback that log every query,
# datagram, connection and packet, a sweep page tries every network interface the engine exposes
# towards names and the listeners' ports. The placeholder pages the viewer loads at start, in its
# hidden windows, and the search window's placeholder on screen are all the sweep; a hidden
# window's page stops once loaded, and whatever it still tried must reach nothing too. The one on
# screen turns green (every network-looking global is tried or known to need no socket) or red.
# That colour is what proves the tries are over; then the viewer closes, the listeners stop, and
# their log must be empty. Root only; skipped where no namespace can be made or there is no X
# server.
# Usage: network_sweep.sh BUILT_DIR
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
# The ports the page aims at and the listeners hold; 53 is the name server's, always held. The
# listeners' packet socket sees a send to any other port as well.
PORTS=(80 443 3478 8443 9000)

skip() {
    echo "skipped: $*"
    exit 77
}

# enter_namespace ARGS: runs this script again in a network and mount namespace of its own.
enter_namespace() {
    [ "$(id -u)" -eq 0 ] || skip "a network namespace needs root"
    command -v Xvfb >/dev/null || skip "no Xvfb"
    command -v ip >/dev/null || skip "no ip (iproute2)"
    unshare --net --mount true 2>/dev/null || skip "unshare --net --mount is not allowed here"
    NETWORK_SWEEP_INSIDE=1 exec unshare --net --mount bash "$0" "$@"
}
[ -n "${NETWORK_SWEEP_INSIDE:-}" ] || enter_namespace "$@"

source "$HERE/e2e.sh"
BUILT=$(cd "$1" && pwd)
LISTENERS_PID=
NETWORK_LOG="$E2E_TMP/network.log"

# private_network: lo up, multicast routed through it so mDNS and SSDP are seen, and the
# resolver pointed at our name server. The mounts stay in this namespace; a file that is
# missing is left so (creating it would change the machine's own /etc): without resolv.conf
# the resolver asks 127.0.0.1 anyway, and without hosts nothing is named.
private_network() {
    ip link set lo up
    ip link set lo multicast on
    ip route add 224.0.0.0/4 dev lo
    printf 'nameserver 127.0.0.1\n' >"$E2E_TMP/resolv.conf"
    printf '127.0.0.1 localhost\n::1 localhost\n' >"$E2E_TMP/hosts"
    local file
    for file in resolv.conf hosts; do
        if [ -e "/etc/$file" ]; then
            mount --bind "$E2E_TMP/$file" "/etc/$file" || fail "cannot mount over /etc/$file"
        fi
    done
}

# start_listeners: the logging name server and listeners; waits for their ready file.
start_listeners() {
    python3 "$HERE/net_listeners.py" "$NETWORK_LOG" "$E2E_TMP/listeners.ready" "${PORTS[@]}" \
        2>"$E2E_TMP/listeners.err" &
    LISTENERS_PID=$!
    local deadline=$((SECONDS + 10))
    until [ -e "$E2E_TMP/listeners.ready" ]; do
        kill -0 "$LISTENERS_PID" 2>/dev/null || fail "the listeners ended: $(cat "$E2E_TMP/listeners.err")"
        [ $SECONDS -le $deadline ] || fail "the listeners did not get ready"
        sleep 0.05
    done
}

# stop_listeners: they read what is still queued, then end; the log is complete after this.
stop_listeners() {
    [ -n "$LISTENERS_PID" ] || return 0
    kill -TERM "$LISTENERS_PID" 2>/dev/null || true
    wait "$LISTENERS_PID" || fail "the listeners failed: $(cat "$E2E_TMP/listeners.err")"
    LISTENERS_PID=
}

# A test that failed before the log was checked still tells what the listeners heard.
sweep_cleanup() {
    if [ -n "$LISTENERS_PID" ]; then
        kill "$LISTENERS_PID" 2>/dev/null && wait "$LISTENERS_PID" 2>/dev/null || true
        if [ -s "$NETWORK_LOG" ]; then
            echo "the listeners heard:" >&2
            cat "$NETWORK_LOG" >&2
        fi
    fi
    e2e_cleanup
}
trap sweep_cleanup EXIT

# prepare_content: a copy of the built catalogue whose placeholders are the sweep page: the
# browser placeholder, loaded at start by every hidden browser window, and the search result
# placeholder, which the search window shows.
prepare_content() {
    install_copy "$BUILT"
    CLOSE_WINDOW="$BUILT/../tests/e2e/velmora_close_window"
    printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
    local page ports
    ports=$(IFS=,; echo "${PORTS[*]}")
    for page in notfound.html notfound_s.html; do
        [ -f "$APP/html/$page" ] || fail "the content has no html/$page to replace"
        sed "s|/\*PORTS\*/|$ports|" "$HERE/network_sweep.html" >"$APP/html/$page"
    done
}

# read_strip SHOT X Y: the text the page spelled in squares from X, Y of the screenshot, 150
# squares a row as the page paints them.
read_strip() {
    # -B: the import writes no cache into the source tree.
    python3 -B - "$HERE" "$E2E_SHOTS/$1.png" "$2" "$3" <<'EOF'
import sys
sys.path.insert(0, sys.argv[1])
from screen_pixels import pixels
path, left, top = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
width, _, data = pixels(path)
def square(i, per_row=150):
    x, y = left + (i % per_row) * 4 + 2, top + (i // per_row) * 4 + 2
    r, g = data[(y * width + x) * 3], data[(y * width + x) * 3 + 1]
    return (r // 16) << 4 | (g // 16)
length = square(0) << 8 | square(1)
sys.stdout.write(bytes(square(2 + i) for i in range(length)).decode("utf-8", "replace"))
EOF
}

# wait_for_verdict: the search window's result browser turns green or red at its lower right
# corner, below the text; VERDICT is which, VERDICT_TEXT what the page spelled.
wait_for_verdict() {
    local left=$((CHILD_X + SEARCH_BROWSER_X)) top=$((CHILD_Y + SEARCH_BROWSER_Y))
    local x=$((left + SEARCH_BROWSER_WIDTH - 12)) y=$((top + SEARCH_BROWSER_HEIGHT - 12))
    local deadline=$((SECONDS + 90)) colour
    VERDICT=
    until [ -n "$VERDICT" ]; do
        viewer_alive
        [ $SECONDS -le $deadline ] || fail "no verdict within 90 s; the page stands as in $E2E_SHOTS/verdict.png"
        sleep 0.2
        screenshot verdict
        colour=$(pixel_at verdict "$x" "$y")
        if near $colour 0 200 0; then VERDICT=pass; elif near $colour 220 0 0; then VERDICT=fail; fi
    done
    VERDICT_TEXT=$(read_strip verdict "$left" "$top")
}

# check_log: nothing was looked up, sent or connected: the log is empty; its lines tell what
# was, and any line fails, counted or not.
check_log() {
    local queries datagrams connections packets
    queries=$(grep -c ' query ' "$NETWORK_LOG" || true)
    datagrams=$(grep -c '^[0-9.]* datagram ' "$NETWORK_LOG" || true)
    connections=$(grep -c '^[0-9.]* connection to ' "$NETWORK_LOG" || true)
    packets=$(grep -c '^[0-9.]* packet ' "$NETWORK_LOG" || true)
    echo "name queries: $queries, datagrams: $datagrams, connections: $connections, packets on lo: $packets"
    if [ -s "$NETWORK_LOG" ]; then
        cat "$NETWORK_LOG" >&2
        fail "the viewer reached the network"
    fi
}

private_network
start_listeners
prepare_content
start_xserver 1280x1024
started=$SECONDS
start_viewer 60
click_button "$MAIN_X" "$MAIN_Y" quest
wait_for_verdict
echo "verdict after $((SECONDS - started)) s: $VERDICT (screenshot $E2E_SHOTS/verdict.png)"
close_viewer 30
stop_listeners
check_log
[ "$VERDICT" = pass ] || fail "the sweep page says: $VERDICT_TEXT"
# What was tried: a line each, the interface, how many tries and how they ended.
echo "$VERDICT_TEXT" | column -t -s $'\t'
exit 0
