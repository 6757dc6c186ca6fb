#!/usr/bin/env bash
# Every figure of the benchmarks in one run, each beside its reference measured in the same run,
# as a ratio: these machines are noisy, so a time alone says little. The viewer and its
# reference programs (bench/reference) run in turn, A B A B, RUNS times (5 unless given); each
# figure is given as its minimum and median. On-screen times come from velmora_pixel_probe,
# which reads one screen pixel every millisecond under Xvfb.
#  - process start to the splash on screen, against a plain Qt program showing one picture
#    window and against the same window linked with the engine, which makes one engine view
#    once it shows;
#  - the splash's end to the main window on screen, against that engine window from nothing;
#  - a release on "zoom" to the about page on screen, against a release in the engine window
#    that loads the same page into its already made view;
#  - the memory of the whole process tree (RSS, anonymous, PSS) with the about page shown,
#    against the engine window showing it; processor use at rest against the same;
#  - the search against `grep -F -c` and the sort against std::stable_sort (their benchmarks).
# Installs and builds what it needs first. Usage: bench/figures.sh [RUNS]
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/../scripts/setup.sh"
install_packages viewer test >&2
build_velmora ON >&2
runs=${1:-5}
source "$bench/../tests/e2e/e2e.sh"
probe="$VELMORA_BUILD/bench/velmora_pixel_probe"
start_xserver 1280x1024
install_copy "$VELMORA_BUILD/velmora"
splash="$APP/design/loader/loading_bg.jpg"
main_picture="$APP/design/windows/main/fon.jpg"
about="$APP/html/about.htm"
page_background=FBF4EF # styletext.css: a page's background where no card lies
rest_seconds=5
# Where the windows stand on the 1280 by 1024 screen, centred; the splash is 500 by 407.
mainX=128 mainY=128
splashX=390 splashY=308
# A point of the splash outside where the engine window's view stands, and one of the main
# window outside the splash.
splashProbeX=$((splashX + 60)) splashProbeY=$((splashY + 40))
mainProbeX=$((mainX + 60)) mainProbeY=$((mainY + 300))
# A point of the page margin where the information window's browser stands.
marginX=$((mainX + BROWSER_WINDOW_X + CATALOGUE_BROWSER_X + 3))
marginY=$((mainY + BROWSER_WINDOW_Y + CATALOGUE_BROWSER_Y + 3))

hex_of() { jpeg_pixel "$1" "$2" "$3" | awk '{printf "%02X%02X%02X", $1, $2, $3}'; }
splash_colour=$(hex_of "$splash" 60 40)
main_colour=$(hex_of "$main_picture" 60 300)
now_ns() { date +%s%N; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$VELMORA_PID/stat"; }
stop_program() {
    kill "$VELMORA_PID" 2>/dev/null || true
    wait "$VELMORA_PID" 2>/dev/null || true
    VELMORA_PID=
    sleep 0.5
}
# start_program COMMAND...: starts a program; STARTED is the moment, in ns.
start_program() {
    STARTED=$(now_ns)
    "$@" >/dev/null 2>&1 &
    VELMORA_PID=$!
}
# shown_after SINCE X Y COLOUR: the milliseconds from SINCE until the screen's point shows the
# colour (or, for none, changes).
shown_after() {
    "$probe" --since "$1" "$2" "$3" "$4" 30000 || fail "nothing showed at $2,$3"
}
# release_and_time X Y: presses there, lets the probe release, prints the milliseconds until the
# page margin shows the page's background.
release_and_time() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    "$probe" "$marginX" "$marginY" "$page_background" 30000 || fail "no page on screen"
}
# at_rest: a program's use of one core, in per cent, over rest_seconds.
at_rest() {
    local before after
    before=$(cpu_ticks)
    sleep "$rest_seconds"
    after=$(cpu_ticks)
    awk -v t=$((after - before)) -v s="$rest_seconds" -v hz="$(getconf CLK_TCK)" \
        'BEGIN {printf "%.2f", 100 * t / hz / s}'
}
# memory NAME: the process tree's memory now, in MB, added to NAME_rss, NAME_anon and NAME_pss.
memory() {
    local field
    for field in Rss Anonymous Pss; do
        append "${1}_${field,,}" $(($(tree_memory "$VELMORA_PID" "$field") / 1024))
    done
}
# append LIST VALUE: adds a value to the array of that name.
append() {
    local -n list=$1
    list+=("$2")
}

viewer_splash=() viewer_main=() viewer_page=() viewer_rest=()
viewer_rss=() viewer_anonymous=() viewer_pss=()
picture_start=() engine_start=() engine_main=() engine_page=() engine_rest=()
engine_rss=() engine_anonymous=() engine_pss=()
for run in $(seq "$runs"); do
    echo "run $run of $runs" >&2
    printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
    start_program "$APP/velmora"
    viewer_splash+=("$(shown_after "$STARTED" "$splashProbeX" "$splashProbeY" "$splash_colour")")
    # Once the splash shows: the moment it goes and the moment the main window shows.
    splash_shown=$(now_ns)
    shown_after "$splash_shown" "$splashProbeX" "$splashProbeY" "" >"$E2E_TMP/gone" &
    gone_probe=$!
    shown=$(shown_after "$splash_shown" "$mainProbeX" "$mainProbeY" "$main_colour")
    wait "$gone_probe"
    viewer_main+=($((shown - $(cat "$E2E_TMP/gone"))))
    sleep 1
    viewer_rest+=("$(at_rest)")
    viewer_page+=("$(release_and_time $(button_centre "$mainX" "$mainY" zoom))")
    sleep 1
    memory viewer
    stop_program

    start_program "$VELMORA_BUILD/bench/velmora_ref_picture_window" "$splash"
    picture_start+=("$(shown_after "$STARTED" "$splashProbeX" "$splashProbeY" "$splash_colour")")
    stop_program

    start_program "$VELMORA_BUILD/bench/velmora_ref_engine_window" "$splash"
    engine_start+=("$(shown_after "$STARTED" "$splashProbeX" "$splashProbeY" "$splash_colour")")
    stop_program

    start_program "$VELMORA_BUILD/bench/velmora_ref_engine_window" "$main_picture" "$about"
    engine_main+=("$(shown_after "$STARTED" "$mainProbeX" "$mainProbeY" "$main_colour")")
    sleep 1
    engine_rest+=("$(at_rest)")
    engine_page+=("$(release_and_time $((mainX + 20)) $((mainY + 20)))")
    sleep 1
    memory engine
    stop_program
done

minimum() { tr ' ' '\n' | sort -g | head -1; }
median() { tr ' ' '\n' | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# figure WHAT UNIT VIEWER_VALUES REFERENCE_NAME REFERENCE_VALUES [GOAL]
figure() {
    local vmin vmed rmin rmed
    vmin=$(echo "$3" | minimum) vmed=$(echo "$3" | median)
    rmin=$(echo "$5" | minimum) rmed=$(echo "$5" | median)
    printf '%-44s %8s %-3s min %8s med   %s: %8s min %8s med   ratio %s min %s med%s\n' \
        "$1" "$vmin" "$2" "$vmed" "$4" "$rmin" "$rmed" \
        "$(awk -v a="$vmin" -v b="$rmin" 'BEGIN {print (b > 0 ? sprintf("%.2f", a / b) : "-")}')" \
        "$(awk -v a="$vmed" -v b="$rmed" 'BEGIN {print (b > 0 ? sprintf("%.2f", a / b) : "-")}')" \
        "${6:+ (goal $6)}"
}

echo "Velmora figures, $runs runs each, viewer and references in turn ($(date -u +%F))"
figure "start to splash on screen" ms "${viewer_splash[*]}" "plain picture window" "${picture_start[*]}"
figure "start to splash on screen" ms "${viewer_splash[*]}" "engine picture window" "${engine_start[*]}" "at most 1.2"
figure "splash end to main window on screen" ms "${viewer_main[*]}" "engine window from nothing" "${engine_main[*]}"
figure "release on zoom to the about page on screen" ms "${viewer_page[*]}" "load in a made view" "${engine_page[*]}"
figure "memory with the about page, RSS" MB "${viewer_rss[*]}" "engine window" "${engine_rss[*]}" "at most 1.05"
figure "memory with the about page, anonymous" MB "${viewer_anonymous[*]}" "engine window" "${engine_anonymous[*]}"
figure "memory with the about page, PSS" MB "${viewer_pss[*]}" "engine window" "${engine_pss[*]}"
figure "processor use at rest, ${rest_seconds} s" "%" "${viewer_rest[*]}" "engine window" "${engine_rest[*]}"
"$VELMORA_BUILD/bench/velmora_bench_search" | grep -E "^(search|grep|search / grep)"
"$VELMORA_BUILD/bench/velmora_bench_catalogue" --benchmark_filter='^BM_(SortByName|PlainStableSort)$' \
    2>/dev/null | grep -E "^BM_|stable_sort"
