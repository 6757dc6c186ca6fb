#!/usr/bin/env bash
# Figures of the built viewer as a user meets it, under Xvfb: process start to the splash on
# screen, the splash's end to the main window on screen, processor use and wake-ups at rest,
# the memory of the viewer with its engine processes, and from a release to a page on screen:
# "zoom" to the about page, a sign card or "show" to the catalogue's result page, and from Enter
# in the search window to its result page, with the sample content and with a catalogue of
# 10,000 works.
# On-screen times come from velmora_pixel_probe, which releases the button and reads one screen
# pixel every millisecond. Usage: bench/viewer_under_xvfb.sh [BUILD_DIR]
source "$(dirname "$0")/../tests/e2e/e2e.sh"
source "$(dirname "$0")/bench.sh"
build=${1:-$(dirname "$0")/../build}
probe="$build/bench/velmora_pixel_probe"
[ -x "$probe" ] || fail "build velmora_pixel_probe first"
start_xserver 1280x1024
install_copy "$build/velmora"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"

result_rule=C9A66B     # styletext.css: the rule under a result page's heading
catalogue_runs=5

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$VELMORA_PID/stat"; }
# press_and_time X Y PROBE_X PROBE_Y [COLOUR]: presses at a point, then lets the probe release
# it and prints the milliseconds until the probed pixel changes (or takes the colour).
press_and_time() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    "$probe" "$3" "$4" "${5:-}" 180000 || fail "nothing changed on screen at $3,$4"
}
median() { tr ' ' '\n' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# search_and_time QUERY: in the search window, whose edit has the focus, runs a query without
# hits, whose page has no rule, then types QUERY and prints the milliseconds from Enter until
# the result page's rule is on screen.
search_and_time() {
    xdotool key ctrl+a type "no such words"
    xdotool key Return
    sleep 1
    xdotool key ctrl+a type "$1"
    sleep 0.3
    "$probe" --key Return "$ruleX" "$ruleY" "$result_rule" 60000 || fail "no result page for $1"
}

started=$(now_ms)
launch
wait_for_window 500 407 10 >/dev/null || fail "no splash"
splash_shown=$(now_ms)
while [ -n "$(visible_windows | awk '$2 == 500 && $3 == 407')" ]; do :; done
splash_gone=$(now_ms)
main=$(wait_for_window 1024 768 10) || fail "no main window"
main_shown=$(now_ms)
read -r _ mainX mainY <<<"$main"
childX=$((mainX + BROWSER_WINDOW_X)) childY=$((mainY + BROWSER_WINDOW_Y))
# A point of the search window's result page on the rule under its heading, and its edit.
ruleX=$((childX + 75)) ruleY=$((childY + 100))
editX=$((childX + SEARCH_EDIT_X + 70)) editY=$((childY + SEARCH_EDIT_Y + 8))

xdotool mousemove $((mainX + 20)) $((mainY + 740))
sleep 1
before=$(cpu_ticks)
thread_switches "$VELMORA_PID" >"$E2E_TMP/switches"
sleep 10
after=$(cpu_ticks) wakes=$(wakeups_since "$E2E_TMP/switches" "$VELMORA_PID")
pss_kb=$(tree_pss "$VELMORA_PID")

# The about page's point, from its first opening, which is not timed.
find_page_point $(button_centre "$mainX" "$mainY" zoom) "$childX" "$childY" "$APP/design/windows/childs/fon_about.jpg"
click_button "$childX" "$childY" close_2_1
sleep 1
zoom_ms=()
for _ in 1 2 3; do
    zoom_ms+=("$(press_and_time $(button_centre "$mainX" "$mainY" zoom) "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR")")
    click_button "$childX" "$childY" close_2_1
    sleep 1
done

click_button "$mainX" "$mainY" quest
sleep 1
xdotool mousemove "$editX" "$editY" click 1
search_ms=()
for _ in 1 2 3 4 5; do
    search_ms+=("$(search_and_time 101)")
done
click_button "$childX" "$childY" close_2_1
sleep 0.5

# A sign card opens the catalogue; the probe waits on a point of its result page, found at its
# first opening, which is then timed again.
catalogue_frame="$APP/design/windows/childs/fon_2.jpg"
find_page_point $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) "$childX" "$childY" "$catalogue_frame"
click_button "$childX" "$childY" close_2_1
sleep 0.5
sign_ms=()
for _ in $(seq "$catalogue_runs"); do
    sign_ms+=("$(press_and_time $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR")")
    sleep 0.5
    click_button "$childX" "$childY" close_2_1
    sleep 0.5
done

# "show" alternates between all works and the first time band, whose first cards differ.
press_and_time $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR" >/dev/null
click_button "$childX" "$childY" param_3
click_button "$childX" "$childY" filtr_2_1
show_ms=()
cardX=$((childX + CATALOGUE_BROWSER_X + 60)) cardY=$((childY + CATALOGUE_BROWSER_Y + 60))
for tab in param_3 param_1 param_3 param_1 param_3; do
    click_button "$childX" "$childY" "$tab"
    sleep 0.3
    show_ms+=("$(press_and_time $(button_centre "$childX" "$childY" button_show) "$cardX" "$cardY")")
    sleep 0.5
done

# At rest with the catalogue and a work page open, the pointer still on the work page's frame.
xdotool mousemove "$cardX" "$cardY" click 1
sleep 2
xdotool mousemove $((childX + 820)) $((childY + 400))
sleep 1
rest_before=$(cpu_ticks)
thread_switches "$VELMORA_PID" >"$E2E_TMP/switches"
sleep 10
rest_after=$(cpu_ticks) rest_wakes=$(wakeups_since "$E2E_TMP/switches" "$VELMORA_PID")
pss_after_pages_kb=$(tree_pss "$VELMORA_PID")
kill "$VELMORA_PID"
wait "$VELMORA_PID" 2>/dev/null || true

# The same catalogue grown to 10,000 works; a search for "series-0" finds 1,000 of them.
big_works=10000
grow_catalogue "$APP" "$big_works"
launch
main=$(wait_for_window 1024 768 30) || fail "no main window with 10,000 works"
sleep 1
find_page_point $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) "$childX" "$childY" "$catalogue_frame"
click_button "$childX" "$childY" close_2_1
sleep 1
big_ms=()
for _ in 1 2 3; do
    big_ms+=("$(press_and_time $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR")")
    sleep 0.5
    click_button "$childX" "$childY" close_2_1
    sleep 1
done
click_button "$mainX" "$mainY" quest
sleep 1
xdotool mousemove "$editX" "$editY" click 1
big_search_ms=()
for _ in 1 2 3; do
    big_search_ms+=("$(search_and_time series-0)")
done
big_hits=$(grep -ac 'href="<<' "$APP/html/searchresult.htm")

echo "process start to splash on screen:      $((splash_shown - started)) ms (goal under 300 ms)"
echo "splash end to main window on screen:    $((main_shown - splash_gone)) ms (goal under 500 ms)"
awk -v t=$((after - before)) -v w="$wakes" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "at rest, main window only, 10 s:       %.2f%% of one core, %.1f wake-ups a second\n", 100 * t / hz / 10, w / 10 }'
awk -v t=$((rest_after - rest_before)) -v w="$rest_wakes" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "at rest, catalogue and work page, 10 s: %.2f%% of one core, %.1f wake-ups a second (goal under 0.2%% and 5)\n", 100 * t / hz / 10, w / 10 }'
echo "memory after start-up (PSS, viewer and engine processes): $((pss_kb / 1024)) MB (aim under 350 MB)"
echo "memory after the pages above were shown:                  $((pss_after_pages_kb / 1024)) MB"
echo "release on zoom to about.htm on screen:           ${zoom_ms[*]} ms"
echo "release on a sign card to the result page:        first ${sign_ms[0]} ms (after one untimed), then ${sign_ms[*]:1} ms, median $(echo "${sign_ms[*]:1}" | median) ms (goal under 150 ms after the first)"
echo "release on show to the new result page:           ${show_ms[*]} ms, median $(echo "${show_ms[*]}" | median) ms (goal under 150 ms)"
echo "release on a sign card, $big_works works:            ${big_ms[*]} ms (goal under 1 s)"
echo "Enter on a search to its result page on screen:   ${search_ms[*]} ms, median $(echo "${search_ms[*]}" | median) ms (goal under 150 ms)"
echo "the same, $big_works works, $big_hits hits:          ${big_search_ms[*]} ms (goal under 1 s)"
