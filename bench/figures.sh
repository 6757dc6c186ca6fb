#!/usr/bin/env bash
# Every figure of the benchmarks in one run, each beside a fair reference measured in the same
# run, as a ratio: these machines are noisy, so a time alone says little. The viewer and its
# reference programs (bench/reference) run in turn, RUNS times (5 unless given); each figure is
# given with every run's value, its minimum, median and maximum. On-screen times come from
# velmora_pixel_probe, which reads one screen pixel every millisecond under Xvfb.
#
# The rule for a reference: it does the same work as the viewer from the same moment. The same
# kind of window (a child of a shown window where the viewer's is one), in the same state when
# the timing starts (made, hidden, holding the same placeholder page), with its pictures decoded
# on the same side of the timed gap as the viewer's. The engine references make their engine
# views only after their window's first paint, so none of them waits for the engine to show its
# picture. And every state is checked before it is measured: the script stops with an error when
# a window it says is open is not on screen, never measuring another state.
#
#  - process start to the splash on screen, with the sample content and with 10,000 works,
#    against the engine picture window (and, for scale, a plain Qt picture window);
#  - the splash's end to the main window on screen, against the engine window that shows the
#    splash picture as long, warming its engine up and decoding its main picture meanwhile (the
#    viewer decodes its main window's during the splash), and then its main picture with an
#    engine view: the same work from the same moment; and both from process start; once as a
#    user's later starts find the shader caches filled, and once as a first start finds them
#    empty (each program with a cache folder of its own, new for the run);
#  - a release on "zoom" to the about page on screen, on a point of the page that neither the
#    frame nor the main window shows, against a release that shows a hidden child window of the
#    shown picture window where the information window stands, as the viewer's is a child of its
#    main window, and loads the same page into it, its view holding the placeholder page the
#    viewer's windows hold;
#  - the memory of the whole process tree (RSS, anonymous, PSS) with the about page shown,
#    against that engine window showing it;
#  - at rest, with every window open (the catalogue with its result page written, a work page
#    from it and the search window over them, each seen on screen) and the search edit focused,
#    the wake-ups and processor
#    use of the whole process tree (every thread of the viewer and of its engine processes),
#    against the engine window with one view showing the search placeholder page and the same
#    edit, focused;
#  - the search against a full `grep -F -c`, a memmem loop and the read bandwidth, and the sort
#    against std::stable_sort over the same keys (their benchmarks).
# Installs and builds what it needs first. Usage: bench/figures.sh [RUNS]
set -euo pipefail
bench=$(cd "$(dirname "$0")" && pwd)
source "$bench/../scripts/setup.sh"
install_packages viewer test >&2
build_velmora ON >&2
runs=${1:-5}
source "$bench/../tests/e2e/e2e.sh"
source "$bench/bench.sh"
probe="$VELMORA_BUILD/bench/velmora_pixel_probe"
engine_window="$VELMORA_BUILD/bench/velmora_ref_engine_window"
start_xserver 1280x1024
install_copy "$VELMORA_BUILD/velmora"
big="$E2E_TMP/big"
cp -r "$APP" "$big"
grow_catalogue "$big" 10000
splash="$APP/design/loader/loading_bg.jpg"
main_picture="$APP/design/windows/main/fon.jpg"
search_frame="$APP/design/windows/search/fon_search.jpg"
childs="$APP/design/windows/childs"
# A point of the search window's frame, beside its page, that no frame beneath it shows.
read -r searchFrameX searchFrameY <<<"$(python3 "$bench/differing_point.py" "$search_frame" \
    650 40 200 520 "$childs/fon_2.jpg" "$childs/fon_2_1.jpg" "$childs/fon_about.jpg")" ||
    fail "no point tells the search window from the others"
about="$APP/html/about.htm"
rest_seconds=10
settle_seconds=30
# Where the windows stand on the 1280 by 1024 screen, centred; the splash is 500 by 407.
mainX=128 mainY=128
splashX=390 splashY=308
childX=$((mainX + BROWSER_WINDOW_X)) childY=$((mainY + BROWSER_WINDOW_Y))
# A point of the splash outside where the engine window's view stands, and one of the main
# window outside the splash.
splashProbeX=$((splashX + 60)) splashProbeY=$((splashY + 40))
mainProbeX=$((mainX + 60)) mainProbeY=$((mainY + 300))
editX=$((childX + SEARCH_EDIT_X + 70)) editY=$((childY + SEARCH_EDIT_Y + 8))

hex_of() { jpeg_pixel "$1" "$2" "$3" | awk '{printf "%02X%02X%02X", $1, $2, $3}'; }
splash_colour=$(hex_of "$splash" 60 40)
main_colour=$(hex_of "$main_picture" 60 300)
now_ns() { date +%s%N; }
# tree_pids PID: a process and all its descendants.
tree_pids() {
    local child
    echo "$1"
    for child in $(pgrep -P "$1"); do tree_pids "$child"; done
}
# tree_ticks: the processor time of the program's whole process tree, in clock ticks, with that
# of the processes it has ended and reaped.
tree_ticks() {
    local pid total=0
    for pid in $(tree_pids "$VELMORA_PID"); do
        total=$((total + $(awk '{print $14 + $15 + $16 + $17}' "/proc/$pid/stat" 2>/dev/null || echo 0)))
    done
    echo "$total"
}
# stop_program: ends the program and waits until the last process of its tree has gone, so that
# the next program starts on a machine at rest.
stop_program() {
    local pid pids deadline=$((SECONDS + 10))
    pids=$(tree_pids "$VELMORA_PID")
    kill "$VELMORA_PID" 2>/dev/null || true
    wait "$VELMORA_PID" 2>/dev/null || true
    for pid in $pids; do
        while running "$pid" && [ $SECONDS -le $deadline ]; do sleep 0.05; done
    done
    VELMORA_PID=
    sleep 0.5
}
# running PID: whether that process runs still (an ended one its parent has not reaped does not).
running() {
    local state
    state=$(awk -F') ' '{print substr($2, 1, 1)}' "/proc/$1/stat" 2>/dev/null) && [ "$state" != Z ]
}
# start_program COMMAND...: starts a program; STARTED is the moment, in ns.
start_program() {
    STARTED=$(now_ns)
    "$@" >/dev/null 2>&1 &
    VELMORA_PID=$!
}
# first_start COMMAND...: starts a program as on a user's first start: with a cache folder of its
# own, new and empty, so that no shader compiled before is found.
first_start() {
    start_program env -u MESA_SHADER_CACHE_DIR XDG_CACHE_HOME="$(mktemp -d -p "$E2E_TMP")" "$@"
}
# fresh_settings FOLDER: settings that ask no question at the close, and no result page yet.
fresh_settings() {
    printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$1/settings.ini"
    rm -f "$1/html/sortresult.htm"
}
# since_start X Y COLOUR: the milliseconds from the program's start until the screen's point
# shows the colour (or, for none, changes from what it shows now).
since_start() {
    "$probe" --since "$STARTED" "$1" "$2" "$3" 30000 || fail "nothing showed at $1,$2"
}
# release_and_time X Y: presses there, lets the probe release, prints the milliseconds until the
# point of the about page shows.
release_and_time() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1
    sleep 0.1
    "$probe" "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR" 30000 || fail "no page on screen"
}
# splash_and_main NAME: times the splash going and the main window showing, from the program's
# start, into NAME_gone and NAME_main.
splash_and_main() {
    since_start "$splashProbeX" "$splashProbeY" "" >"$E2E_TMP/gone" &
    local gone_probe=$!
    append "${1}_main" "$(since_start "$mainProbeX" "$mainProbeY" "$main_colour")"
    wait "$gone_probe"
    append "${1}_gone" "$(cat "$E2E_TMP/gone")"
}
# at_rest NAME: with the search edit focused by a click, the process tree's wake-ups a second and
# its use of one core, in per cent, over rest_seconds, into NAME_wakeups and NAME_cpu. The engine
# goes on working for half a minute after a page has loaded, so both wait that long first.
at_rest() {
    local ticks
    xdotool mousemove "$editX" "$editY" click 1
    sleep "$settle_seconds"
    ticks=$(tree_ticks)
    thread_switches $(tree_pids "$VELMORA_PID") >"$E2E_TMP/switches"
    sleep "$rest_seconds"
    append "${1}_wakeups" "$(awk -v n="$(wakeups_since "$E2E_TMP/switches" $(tree_pids "$VELMORA_PID"))" \
        -v s="$rest_seconds" 'BEGIN {printf "%.1f", n / s}')"
    append "${1}_cpu" "$(awk -v t=$(($(tree_ticks) - ticks)) -v s="$rest_seconds" -v hz="$(getconf CLK_TCK)" \
        'BEGIN {printf "%.2f", 100 * t / hz / s}')"
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
# hex_near X Y RRGGBB: whether the last "state" screenshot shows about that colour there.
hex_near() {
    near $(pixel_at state "$1" "$2") $((16#${3:0:2})) $((16#${3:2:2})) $((16#${3:4:2}))
}
# close_information_window: closes the window the zoom timing opened, and waits until its page
# has gone from the screen.
close_information_window() {
    local deadline=$((SECONDS + 10))
    click_button "$childX" "$childY" close_2_1
    while screenshot state && hex_near "$PAGE_X" "$PAGE_Y" "$PAGE_COLOUR"; do
        [ $SECONDS -le $deadline ] || fail "the information window did not close"
        sleep 0.1
    done
}
# open_every_window: the catalogue with its result page, a work page from its first card and
# the search window over them, each seen on screen before the next.
open_every_window() {
    xdotool mousemove $((mainX + ALL_DESIGNS_SIGN_X)) $((mainY + ALL_DESIGNS_SIGN_Y)) click 1
    CHILD_X=$childX CHILD_Y=$childY wait_for_result "the all-designs card"
    xdotool mousemove "$THUMB_X" "$THUMB_Y" click 1
    wait_for_picture state $((childX + 672)) $((childY + 277)) "$APP/images/middle/${works[0]}.jpg" 130 212 ||
        fail "the first card opened no work page"
    click_button "$mainX" "$mainY" quest
    wait_for_picture state $((childX + searchFrameX)) $((childY + searchFrameY)) "$search_frame" \
        "$searchFrameX" "$searchFrameY" || fail "the search window did not open"
}

# The point of the about page the probe waits on, found in a viewer run of its own. That run,
# and one of the engine window, fill Mesa's shader cache as a user's first start does: every
# timed run starts as the user's later starts do.
fresh_settings "$APP"
start_program "$APP/velmora"
since_start "$mainProbeX" "$mainProbeY" "$main_colour" >/dev/null
sleep 1
find_page_point $(button_centre "$mainX" "$mainY" zoom) "$childX" "$childY" "$APP/design/windows/childs/fon_about.jpg"
stop_program
start_program "$engine_window" after-splash "$splash" "$main_picture"
since_start "$mainProbeX" "$mainProbeY" "$main_colour" >/dev/null
stop_program

viewer_splash=() viewer_big_splash=() viewer_gone=() viewer_main=() viewer_page=()
viewer_wakeups=() viewer_cpu=() viewer_rss=() viewer_anonymous=() viewer_pss=()
viewer_first_gone=() viewer_first_main=() engine_first_gone=() engine_first_main=()
picture_start=() engine_start=() engine_gone=() engine_main=() engine_page=()
engine_wakeups=() engine_cpu=() engine_rss=() engine_anonymous=() engine_pss=()
for run in $(seq "$runs"); do
    echo "run $run of $runs" >&2
    fresh_settings "$APP"
    start_program "$APP/velmora"
    viewer_splash+=("$(since_start "$splashProbeX" "$splashProbeY" "$splash_colour")")
    splash_and_main viewer
    sleep 1
    viewer_page+=("$(release_and_time $(button_centre "$mainX" "$mainY" zoom))")
    sleep 1
    memory viewer
    close_information_window
    open_every_window
    at_rest viewer
    stop_program

    fresh_settings "$APP"
    first_start "$APP/velmora"
    since_start "$splashProbeX" "$splashProbeY" "$splash_colour" >/dev/null
    splash_and_main viewer_first
    stop_program

    fresh_settings "$big"
    start_program "$big/velmora"
    viewer_big_splash+=("$(since_start "$splashProbeX" "$splashProbeY" "$splash_colour")")
    since_start "$mainProbeX" "$mainProbeY" "$main_colour" >/dev/null
    stop_program

    start_program "$VELMORA_BUILD/bench/velmora_ref_picture_window" "$splash"
    picture_start+=("$(since_start "$splashProbeX" "$splashProbeY" "$splash_colour")")
    stop_program

    start_program "$engine_window" start "$splash"
    engine_start+=("$(since_start "$splashProbeX" "$splashProbeY" "$splash_colour")")
    stop_program

    start_program "$engine_window" after-splash "$splash" "$main_picture"
    since_start "$splashProbeX" "$splashProbeY" "$splash_colour" >/dev/null
    splash_and_main engine
    stop_program

    first_start "$engine_window" after-splash "$splash" "$main_picture"
    since_start "$splashProbeX" "$splashProbeY" "$splash_colour" >/dev/null
    splash_and_main engine_first
    stop_program

    start_program "$engine_window" page "$main_picture" "$about" "$APP/html/notfound.html"
    since_start "$mainProbeX" "$mainProbeY" "$main_colour" >/dev/null
    sleep 1
    engine_page+=("$(release_and_time $((mainX + 20)) $((mainY + 20)))")
    sleep 1
    memory engine
    stop_program

    start_program "$engine_window" edit "$main_picture" "$APP/html/notfound_s.html"
    since_start "$mainProbeX" "$mainProbeY" "$main_colour" >/dev/null
    sleep 1
    at_rest engine
    stop_program
done

minimum() { tr ' ' '\n' | sort -g | head -1; }
median() { tr ' ' '\n' | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
maximum() { tr ' ' '\n' | sort -g | tail -1; }
# differences LATER EARLIER: each run's LATER value less its EARLIER one.
differences() {
    local -n later=$1 earlier=$2
    local i values=()
    for i in "${!later[@]}"; do values+=($((later[i] - earlier[i]))); done
    echo "${values[*]}"
}
# spread NAME UNIT VALUES: one line with every run's value, then their minimum, median and
# maximum.
spread() {
    printf '  %-34s %-3s %-40s min %8s  med %8s  max %8s\n' "$1" "$2" "$3" \
        "$(echo "$3" | minimum)" "$(echo "$3" | median)" "$(echo "$3" | maximum)"
}
# ratio A B: A / B to two places.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {print (b > 0 ? sprintf("%.2f", a / b) : "-")}'
}
# figure WHAT UNIT VIEWER_VALUES REFERENCE_NAME REFERENCE_VALUES [GOAL]: the viewer's runs and the
# reference's, and the ratio of their minimums, medians and maximums.
figure() {
    echo "$1${6:+ (goal: $6)}"
    spread viewer "$2" "$3"
    spread "$4" "$2" "$5"
    printf '  %-34s     %-40s min %8s  med %8s  max %8s\n' ratio "" \
        "$(ratio "$(echo "$3" | minimum)" "$(echo "$5" | minimum)")" \
        "$(ratio "$(echo "$3" | median)" "$(echo "$5" | median)")" \
        "$(ratio "$(echo "$3" | maximum)" "$(echo "$5" | maximum)")"
}
# repetitions NAME: each repetition's time of a benchmark of the catalogue's, in ms.
repetitions() {
    awk -v name="$1" '$1 == name {print $2}' "$E2E_TMP/catalogue_bench" | paste -sd ' '
}

"$VELMORA_BUILD/bench/velmora_bench_catalogue" --benchmark_repetitions="$runs" \
    --benchmark_filter='^BM_(SortByName|StableSortOverKeys)$' >"$E2E_TMP/catalogue_bench" 2>/dev/null
echo "Velmora figures, $runs runs each, viewer and references in turn ($(date -u +%F))"
figure "start to splash on screen" ms "${viewer_splash[*]}" "plain picture window" "${picture_start[*]}"
figure "start to splash on screen" ms "${viewer_splash[*]}" "engine picture window" "${engine_start[*]}" "at most 1.2"
figure "start to splash on screen, 10,000 works" ms "${viewer_big_splash[*]}" "engine picture window" "${engine_start[*]}" "at most 1.2"
figure "splash end to main window on screen" ms "$(differences viewer_main viewer_gone)" \
    "engine window, same work" "$(differences engine_main engine_gone)" "under 100 ms"
figure "the same, a first start (no shader cache)" ms "$(differences viewer_first_main viewer_first_gone)" \
    "engine window, same work" "$(differences engine_first_main engine_first_gone)" "under 150 ms"
figure "start to main window on screen" ms "${viewer_main[*]}" "engine window, same work" "${engine_main[*]}"
figure "release on zoom to the about page on screen" ms "${viewer_page[*]}" "hidden child engine window shown" "${engine_page[*]}" "at most 1.2"
figure "memory with the about page, RSS" MB "${viewer_rss[*]}" "engine window" "${engine_rss[*]}" "at most 1.05"
figure "memory with the about page, anonymous" MB "${viewer_anonymous[*]}" "engine window" "${engine_anonymous[*]}"
figure "memory with the about page, PSS" MB "${viewer_pss[*]}" "engine window" "${engine_pss[*]}"
figure "at rest, every window open, edit focused, wake-ups" "/s" "${viewer_wakeups[*]}" "engine window, edit" "${engine_wakeups[*]}" "at most 1.2"
figure "at rest, every window open, edit focused, processor" "%" "${viewer_cpu[*]}" "engine window, edit" "${engine_cpu[*]}" "at most 1.2"
figure "sort of 100,000 works by name (steady)" ms "$(repetitions BM_SortByName)" \
    "std::stable_sort over the same keys" "$(repetitions BM_StableSortOverKeys)" "at most 1.2"
"$VELMORA_BUILD/bench/velmora_bench_search" | grep -E "^(search|memmem|grep|read)"
