# Shell helpers of the benchmarks that drive the viewer under Xvfb; sourced after
# tests/e2e/e2e.sh.

# grow_catalogue APP WORKS: the sample catalogue in the viewer copy at APP grown to WORKS works
# (a multiple of four), every work with its text and thumbnail; every tenth work's text ends in a
# word of its own ("series-0" to "series-9"), which a search finds in a tenth of the works.
grow_catalogue() {
    local app=$1 works=$2 per_author author n tenth
    per_author=$((works / 4))
    {
        printf '[settings]\r\n'
        for author in mira vesna ilna tova; do printf '%scount=%d\r\n' "$author" "$per_author"; done
        for author in mira vesna ilna tova; do
            for n in $(seq "$per_author"); do
                printf '[%s-%d]\r\nname=Work %05d\r\ntime=%d\r\ncomplicate=-\r\n' "$author" "$n" "$n" $((10 + n % 240))
            done
        done
    } >"$app/velmora.ini"
    for tenth in $(seq 0 9); do
        { cat "$app/html/mira-1.htm.txt"; printf 'series-%d\r\n' "$tenth"; } >"$app/html/work$tenth.txt"
    done
    cp "$app/images/small/mira-1.jpg" "$app/images/small/work.jpg"
    for author in mira vesna ilna tova; do
        for n in $(seq "$per_author"); do
            ln -sf "work$((n % 10)).txt" "$app/html/$author-$n.htm.txt"
            ln -sf work.jpg "$app/images/small/$author-$n.jpg"
        done
    done
}

# find_page_point CLICK_X CLICK_Y WINDOW_X WINDOW_Y FRAME: opens a page once, untimed, by a
# click at CLICK_X, CLICK_Y that shows a browser window at WINDOW_X, WINDOW_Y whose frame is the
# picture FRAME and whose page stands where the catalogue's does, and sets PAGE_X, PAGE_Y and
# PAGE_COLOUR to a point of that page and its colour there that neither the frame nor what stood
# there before shows (bench/page_point.py): the probe waits on it, never on the frame.
find_page_point() {
    local pageX=$(($3 + CATALOGUE_BROWSER_X)) pageY=$(($4 + CATALOGUE_BROWSER_Y)) point
    local deadline=$((SECONDS + 180))
    screenshot before_page
    xdotool mousemove "$1" "$2" click 1
    # The window may stand empty for a while before its page shows: half a minute or more for
    # a page of 10,000 works.
    until wait_until_still page "$pageX" "$pageY" "$CATALOGUE_BROWSER_WIDTH" "$CATALOGUE_BROWSER_HEIGHT" 20 &&
        point=$(python3 "$(dirname "${BASH_SOURCE[0]}")/page_point.py" "$E2E_SHOTS/page.png" \
            "$pageX" "$pageY" "$CATALOGUE_BROWSER_WIDTH" "$CATALOGUE_BROWSER_HEIGHT" \
            "$E2E_SHOTS/before_page.png" "$5@$3,$4"); do
        [ $SECONDS -le $deadline ] || fail "no point of the page tells it from its frame"
    done
    read -r PAGE_X PAGE_Y PAGE_COLOUR <<<"$point"
}

# thread_switches PID...: each thread of those processes with its voluntary context switches
# (each a wake-up after a wait), a line "TID COUNT" each.
thread_switches() {
    local pid
    for pid in "$@"; do
        grep -H '^voluntary_ctxt_switches' /proc/"$pid"/task/*/status 2>/dev/null
    done | awk -F'[/:[:space:]]+' '{print $5, $NF}'
}

# wakeups_since SNAPSHOT PID...: the wake-ups of those processes' threads since thread_switches
# wrote SNAPSHOT. A thread that has ended since took its count with it: it is left out, never
# subtracted; one that has started since counts from nothing.
wakeups_since() {
    local snapshot=$1
    shift
    thread_switches "$@" | awk 'NR == FNR {before[$1] = $2; next}
        {n += $2 - ($1 in before ? before[$1] : 0)} END {print n + 0}' "$snapshot" -
}
