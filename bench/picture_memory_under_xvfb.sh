#!/usr/bin/env bash
# The viewer's peak memory with the sample content, and with a skin of twenty valid but huge
# button pictures (8192 by 8192, each 256 MB decoded), which the picture budget bounds; and
# how long the main window takes to show in each case. Usage:
# bench/picture_memory_under_xvfb.sh [build/velmora]
source "$(dirname "$0")/../tests/e2e/e2e.sh"
start_xserver 1280x1024
built=${1:-$(dirname "$0")/../build/velmora}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
peak_mb() { awk '/^VmHWM:/ {print int($2 / 1024)}' "/proc/$VELMORA_PID/status"; }

# measure LABEL: starts the copy, waits for the main window, prints the figures, ends it.
measure() {
    local started shown
    started=$(now_ms)
    launch
    wait_for_window 1024 768 120 >/dev/null || fail "$1: no main window"
    shown=$(now_ms)
    sleep 1
    printf '%-32s peak memory of the viewer %5s MB, main window after %6s ms\n' \
        "$1:" "$(peak_mb)" $((shown - started))
    kill "$VELMORA_PID"
    wait "$VELMORA_PID" 2>/dev/null || true
    VELMORA_PID=
}

install_copy "$built"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
measure "sample content"

convert -size 8192x8192 gradient:pink-purple -quality 90 "$E2E_TMP/huge.jpg"
# The five state pictures of the first four sign buttons.
for section in sign_1_1 sign_1_2 sign_1_3 sign_1_4; do
    for state in state_disable state_up state_down state_over state_active; do
        cp "$E2E_TMP/huge.jpg" "$APP/$(ini_value "$APP/buttons.ini" "$section" "$state" | tr '\\' /)"
    done
done
measure "twenty 8192x8192 button pictures"
