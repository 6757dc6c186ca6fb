#!/usr/bin/env bash
# Figures of the built viewer as a user meets it, under Xvfb: process start to the splash on
# screen, the splash's end to the main window on screen, processor use at rest, the memory of
# the viewer with its engine processes, and from the release on "zoom" to the about page on
# screen. Usage: bench/viewer_under_xvfb.sh [build/velmora]
source "$(dirname "$0")/../tests/e2e/e2e.sh"
start_xserver 1280x1024
install_copy "${1:-$(dirname "$0")/../build/velmora}"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
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
screen_pixel() { import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null | tail -1 | grep -o '#[0-9A-F]*' | head -1; }

started=$(now_ms)
launch
wait_for_window 500 407 10 >/dev/null || fail "no splash"
splash_shown=$(now_ms)
while [ -n "$(visible_windows | awk '$2 == 500 && $3 == 407')" ]; do :; done
splash_gone=$(now_ms)
main=$(wait_for_window 1024 768 10) || fail "no main window"
main_shown=$(now_ms)
read -r _ mainX mainY <<<"$main"

sleep 1
before=$(cpu_ticks)
sleep 10
after=$(cpu_ticks)
pss_kb=$(tree_pss "$VELMORA_PID")

# The about page's background colour appearing where the information window keeps its browser.
pageX=$((mainX + 87 + 42 + 3)) pageY=$((mainY + 109 + 52 + 3))
zoom_ms=()
for _ in 1 2 3; do
    xdotool mousemove $((mainX + $(ini_value "$APP/buttons.ini" zoom bnd_x) + 5)) \
        $((mainY + $(ini_value "$APP/buttons.ini" zoom bnd_y) + 5))
    sleep 0.3
    released=$(now_ms)
    xdotool click 1
    until [ "$(screen_pixel $pageX $pageY)" = "#FBFBF4F4EFEF" ]; do :; done
    zoom_ms+=($(($(now_ms) - released)))
    click_button $((mainX + 87)) $((mainY + 109)) close_2_1
    sleep 1
done
pss_after_pages_kb=$(tree_pss "$VELMORA_PID")

echo "process start to splash on screen:      $((splash_shown - started)) ms (goal under 300 ms)"
echo "splash end to main window on screen:    $((main_shown - splash_gone)) ms (goal under 500 ms)"
awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "processor use at rest over 10 s:       %.2f%% of one core (goal under 3%%)\n", 100 * t / hz / 10 }'
echo "memory after start-up (PSS, viewer and engine processes): $((pss_kb / 1024)) MB (aim under 350 MB)"
echo "memory after the about page was shown three times:        $((pss_after_pages_kb / 1024)) MB"
echo "release on zoom to about.htm on screen: ${zoom_ms[*]} ms (goal under 150 ms; includes screen polling)"
