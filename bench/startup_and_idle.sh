#!/usr/bin/env bash
# Start-up and idle figures of the built viewer under Xvfb: process start to the splash on
# screen, the splash's end to the main window on screen, processor use at rest, and the memory
# of the viewer with its engine processes.
# Usage: bench/startup_and_idle.sh [build/velmora]
source "$(dirname "$0")/../tests/e2e/e2e.sh"
start_xserver 1280x1024
install_copy "${1:-$(dirname "$0")/../build/velmora}"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$VELMORA_PID/stat"; }
# Proportional set size of a process and all its descendants, in kB.
tree_pss() {
    local pid=$1 total child
    total=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || echo 0)
    for child in $(pgrep -P "$pid"); do
        total=$((total + $(tree_pss "$child")))
    done
    echo "${total:-0}"
}

started=$(now_ms)
launch
wait_for_window 500 407 10 >/dev/null || fail "no splash"
splash_shown=$(now_ms)
while [ -n "$(visible_windows | awk '$2 == 500 && $3 == 407')" ]; do :; done
splash_gone=$(now_ms)
wait_for_window 1024 768 10 >/dev/null || fail "no main window"
main_shown=$(now_ms)

sleep 1
before=$(cpu_ticks)
sleep 10
after=$(cpu_ticks)
ticks_per_second=$(getconf CLK_TCK)

pss_kb=$(tree_pss "$VELMORA_PID")

echo "process start to splash on screen:      $((splash_shown - started)) ms (goal under 300 ms)"
echo "splash end to main window on screen:    $((main_shown - splash_gone)) ms (goal under 500 ms)"
awk -v t=$((after - before)) -v hz="$ticks_per_second" \
    'BEGIN { printf "processor use at rest over 10 s:       %.2f%% of one core (goal under 3%%)\n", 100 * t / hz / 10 }'
echo "memory after start-up (PSS, viewer and engine processes): $((pss_kb / 1024)) MB (aim under 350 MB)"
